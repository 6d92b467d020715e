#include "HelpWindow.h"
#include <QCoreApplication>

#include "HelpCatalog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <map>

namespace {

constexpr int kContextRole = Qt::UserRole;

// A side tab: an optional line for typing above a list.
QWidget* sidePanel(QLineEdit* line, QWidget* list, QPushButton* button = nullptr) {
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* row = new QHBoxLayout;
    row->addWidget(line, 1);
    if (button)
        row->addWidget(button);
    layout->addLayout(row);
    layout->addWidget(list, 1);
    return panel;
}

} // namespace

HelpWindow::HelpWindow(const HelpCatalog& catalog, QWidget* parent)
    : QWidget(parent, Qt::Window), catalog_(catalog), sides_(new QTabWidget),
      contents_(new QTreeWidget), indexFilter_(new QLineEdit), index_(new QListWidget),
      searchText_(new QLineEdit), results_(new QListWidget), page_(new QTextBrowser) {
    setWindowTitle(QCoreApplication::translate("Duoband", "Duoband Help"));
    setObjectName(QStringLiteral("Duoband Help"));
    resize(900, 600);

    contents_->setHeaderHidden(true);
    contents_->setAccessibleName(QCoreApplication::translate("Duoband", "Contents"));
    indexFilter_->setAccessibleName(QCoreApplication::translate("Duoband", "Index entry"));
    indexFilter_->setPlaceholderText(QCoreApplication::translate("Duoband", "Type a keyword"));
    index_->setAccessibleName(QCoreApplication::translate("Duoband", "Index"));
    searchText_->setAccessibleName(QCoreApplication::translate("Duoband", "Search words"));
    searchText_->setPlaceholderText(QCoreApplication::translate("Duoband", "Words to find"));
    results_->setAccessibleName(QCoreApplication::translate("Duoband", "Search results"));
    page_->setAccessibleName(QCoreApplication::translate("Duoband", "Help page"));
    page_->setOpenLinks(false);

    auto* searchButton = new QPushButton(QCoreApplication::translate("Duoband", "Search"));
    sides_->addTab(contents_, QCoreApplication::translate("Duoband", "Contents"));
    sides_->addTab(sidePanel(indexFilter_, index_),
                   QCoreApplication::translate("Duoband", "Index"));
    sides_->addTab(sidePanel(searchText_, results_, searchButton),
                   QCoreApplication::translate("Duoband", "Search"));

    auto* split = new QSplitter;
    split->addWidget(sides_);
    split->addWidget(page_);
    split->setStretchFactor(1, 1);
    split->setSizes({260, 640});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(split);

    buildContents();
    fillIndex({});
    auto treeChosen = [this](QTreeWidgetItem* item) {
        if (item)
            showTopic(item->data(0, kContextRole).toInt());
    };
    connect(contents_, &QTreeWidget::itemActivated, this, treeChosen);
    connect(contents_, &QTreeWidget::itemClicked, this, treeChosen);
    auto listChosen = [this](QListWidgetItem* item) {
        if (item)
            showTopic(item->data(kContextRole).toInt());
    };
    connect(index_, &QListWidget::itemActivated, this, listChosen);
    connect(index_, &QListWidget::itemClicked, this, listChosen);
    connect(results_, &QListWidget::itemActivated, this, listChosen);
    connect(results_, &QListWidget::itemClicked, this, listChosen);
    connect(indexFilter_, &QLineEdit::textChanged, this, &HelpWindow::fillIndex);
    connect(indexFilter_, &QLineEdit::returnPressed, this,
            [this, listChosen] { listChosen(index_->item(0)); });
    connect(searchText_, &QLineEdit::returnPressed, this, &HelpWindow::runSearch);
    connect(searchButton, &QPushButton::clicked, this, &HelpWindow::runSearch);
    connect(page_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (url.scheme() == QLatin1String("topic"))
            showTopic(url.path().toInt());
    });
}

// The contents: the overview first, then each form with its tabs below it.
void HelpWindow::buildContents() {
    std::map<QString, QTreeWidgetItem*> forms;
    for (const HelpCatalog::Topic& topic : catalog_.topics()) {
        QTreeWidgetItem* parent = topic.form.isEmpty() ? nullptr : forms[topic.form];
        auto* item = parent ? new QTreeWidgetItem(parent, {topic.title})
                            : new QTreeWidgetItem(contents_, {topic.title});
        item->setData(0, kContextRole, topic.context);
        if (!parent && !topic.form.isEmpty())
            forms[topic.form] = item;
    }
    contents_->expandAll();
}

void HelpWindow::fillIndex(const QString& filter) {
    index_->clear();
    for (const auto& [entry, context] : catalog_.index()) {
        if (!filter.isEmpty() && !entry.contains(filter, Qt::CaseInsensitive))
            continue;
        auto* item = new QListWidgetItem(entry, index_);
        item->setData(kContextRole, context);
    }
}

void HelpWindow::runSearch() {
    results_->clear();
    for (const HelpCatalog::Topic* topic : catalog_.search(searchText_->text())) {
        auto* item = new QListWidgetItem(topic->title, results_);
        item->setData(kContextRole, topic->context);
    }
    if (results_->count() == 0)
        new QListWidgetItem(QCoreApplication::translate("Duoband", "No topic has these words."),
                            results_);
}

void HelpWindow::showTopic(int context) {
    const HelpCatalog::Topic* topic = catalog_.topic(context);
    if (!topic)
        topic = catalog_.contents();
    if (!topic)
        return;
    shown_ = topic->context;
    page_->setHtml(catalog_.html(*topic));
    setWindowTitle(QCoreApplication::translate("Duoband", "Duoband Help - %1").arg(topic->title));
    for (QTreeWidgetItemIterator it(contents_); *it; ++it)
        if ((*it)->data(0, kContextRole).toInt() == shown_) {
            contents_->setCurrentItem(*it);
            break;
        }
}

#include "moc_HelpWindow.cpp"
