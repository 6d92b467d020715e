#include "CBasicSettingView.h"

#include "BasicSettings.h"
#include "HelpContexts.h"

#include <QTabWidget>

COptionPage::COptionPage(MemoryImage& image, QWidget* parent)
    : FieldPage(image, BasicSettings::optionFields(), 2, Width::Stretched, parent) {}

CTotPage::CTotPage(MemoryImage& image, QWidget* parent)
    : FieldPage(image, BasicSettings::totFields(), 1, Width::Natural, parent) {}

CKeyPage::CKeyPage(MemoryImage& image, QWidget* parent)
    : FieldPage(image, BasicSettings::keyFields(), 1, Width::Natural, parent) {}

CBasicSettingView::CBasicSettingView(MemoryImage& image, QWidget* parent)
    : TabbedFormView(image, parent) {
    setWindowTitle(QStringLiteral("Basic setting"));
    setNoTabHelpContext(HelpContext::kBasicSettingNoTab);
    addPage(new COptionPage(image), QStringLiteral("Option"), HelpContext::kBasicOption);
    addPage(new CTotPage(image), QStringLiteral("TOT"), HelpContext::kBasicTot);
    addPage(new CKeyPage(image), QStringLiteral("Key"), HelpContext::kBasicKey);
    tabs()->setCurrentIndex(0);
}

#include "moc_CBasicSettingView.cpp"
