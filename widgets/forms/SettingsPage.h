#pragma once

#include <QWidget>

class MemoryImage;
class QKeyEvent;

// Enter and Escape do nothing on a form or page: true (the key accepted) for either.
bool swallowsFormKey(QKeyEvent* event);

// A page of a tabbed form: like a form it fills its controls from the image and writes them
// back, but its tab control decides when. Enter and Escape do nothing on a page.
class SettingsPage : public QWidget {
    Q_OBJECT
public:
    explicit SettingsPage(MemoryImage& image, QWidget* parent = nullptr)
        : QWidget(parent), image_(image) {}

    virtual void LoadFromImage() {}
    virtual void SaveToImage() {}

Q_SIGNALS:
    // The user changed a value; it reaches the image when the page stores.
    void edited();
    // What happened, for the status bar.
    void statusMessage(const QString& text);

protected:
    MemoryImage& image() const { return image_; }
    void keyPressEvent(QKeyEvent* event) override;

private:
    MemoryImage& image_;
};
