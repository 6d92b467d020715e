#pragma once

#include "CSettingsPage.h"
#include "CTabbedFormView.h"
#include "FieldBinder.h"
#include "TwoToneContacts.h"

#include <array>

class GridControl;
class InPlaceEditor;
class QComboBox;
class QLineEdit;
class QTabBar;

// "System" page: the sixteen decoder systems, one inner tab each ("1" to "16") over one set of
// fields.
class TwoToneSystemPage : public CSettingsPage {
    Q_OBJECT
public:
    explicit TwoToneSystemPage(MemoryImage& image, QWidget* parent = nullptr);
    ~TwoToneSystemPage() override;

    void LoadFromImage() override; // the system of the selected inner tab
    void SaveToImage() override;

    QTabBar* systems() const { return systems_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::uint32_t base() const;
    void systemChanged(int index);
    void applyFormatExclusivity();
    void aliasLeft();

    FieldBinder binder_;
    QTabBar* systems_;
    QLineEdit* alias_;
    std::array<QComboBox*, 4> formats_{};
    int shown_ = 0;
    QString previousAlias_;
};

// "Contact" page: the sixteen contacts in a grid with in-place editors.
class TwoToneContactPage : public CSettingsPage {
    Q_OBJECT
public:
    explicit TwoToneContactPage(MemoryImage& image, QWidget* parent = nullptr);
    ~TwoToneContactPage() override;

    void LoadFromImage() override;
    void SaveToImage() override;

    GridControl* grid() const { return grid_; }

private:
    void showRow(int row);
    InPlaceEditor* beginEdit(int row, int column);
    void editEnded(int row, int column, const QString& text);

    TwoToneContacts contacts_;
    GridControl* grid_;
    InPlaceEditor* toneEditor_;
    InPlaceEditor* formatEditor_;
    InPlaceEditor* systemEditor_;
    InPlaceEditor* aliasEditor_;
};

// The 2-Tone form: "System" and "Contact" pages.
class TwoToneView : public CTabbedFormView {
    Q_OBJECT
public:
    explicit TwoToneView(MemoryImage& image, QWidget* parent = nullptr);
};
