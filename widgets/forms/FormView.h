#pragma once

#include <QWidget>

class MemoryImage;

// Base of every form shown in a child window: it fills its controls from the memory image
// (LoadFromImage, when its window is created or activated) and writes them back
// (SaveToImage, when its window is left, and before any command that uses the image).
class FormView : public QWidget {
    Q_OBJECT
public:
    explicit FormView(MemoryImage& image, QWidget* parent = nullptr)
        : QWidget(parent), image_(image) {}

    virtual void LoadFromImage() {}
    virtual void SaveToImage() {}
    // The help context F1 asks for; 0 leaves it to the window.
    virtual int helpContext() const { return 0; }

Q_SIGNALS:
    // The user changed a value; it reaches the image when the form stores.
    void edited();
    // The form wrote into the image on its own (a cell committed, a page left, a dialog of its
    // own closed): one step for undo, named `step`, or after the form when empty.
    void imageChanged(const QString& step = QString());
    // What happened, for the status bar: a command's result, a value corrected on entry.
    void statusMessage(const QString& text);

protected:
    MemoryImage& image() const { return image_; }
    // Enter and Escape neither close nor reset a form.
    void keyPressEvent(QKeyEvent* event) override;

private:
    MemoryImage& image_;
};
