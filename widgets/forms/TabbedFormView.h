#pragma once

#include "FormView.h"

#include <QStringList>
#include <vector>

class SettingsPage;
class QTabWidget;

// A form made of pages in a tab control that fills it. Only the selected page is shown; the
// page being left stores into the image before the page entered loads from it. The view loads
// and stores the selected page, and stores it once more when it closes.
class TabbedFormView : public FormView {
    Q_OBJECT
public:
    explicit TabbedFormView(MemoryImage& image, QWidget* parent = nullptr);
    ~TabbedFormView() override;

    void LoadFromImage() override;
    void SaveToImage() override;

    QTabWidget* tabs() const { return tabs_; }
    SettingsPage* page(int index) const { return pages_[std::size_t(index)]; }
    int pageCount() const { return int(pages_.size()); }
    // The help context of the selected tab (a fallback when none is selected).
    int helpContext() const override;

protected:
    // Adds a page (it has already filled its lists and loaded itself) with its tab text and the
    // help context of its tab.
    void addPage(SettingsPage* page, const QString& title, int helpContext);
    void setNoTabHelpContext(int context) { noTabHelp_ = context; }

private:
    void tabChanged(int index);

    QTabWidget* tabs_;
    std::vector<SettingsPage*> pages_;
    std::vector<int> helpContexts_;
    int current_ = -1;
    int noTabHelp_ = 0;
};
