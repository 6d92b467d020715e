#pragma once

#include <QWidget>

class HelpCatalog;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;

// The help window: the contents, an index and a search beside the page of the topic chosen.
// Links between topics stay inside it.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(const HelpCatalog& catalog, QWidget* parent = nullptr);

    // Shows the topic of a help context (the contents for one without a topic).
    void showTopic(int context);
    int shownContext() const { return shown_; }
    QTextBrowser* page() const { return page_; }

private:
    void buildContents();
    void fillIndex(const QString& filter);
    void runSearch();

    const HelpCatalog& catalog_;
    QTabWidget* sides_;
    QTreeWidget* contents_;
    QLineEdit* indexFilter_;
    QListWidget* index_;
    QLineEdit* searchText_;
    QListWidget* results_;
    QTextBrowser* page_;
    int shown_ = -1;
};
