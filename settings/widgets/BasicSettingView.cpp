#include "BasicSettingView.h"
#include "Texts.h"

#include "BasicSettings.h"
#include "HelpContexts.h"

#include <QTabWidget>

OptionPage::OptionPage(MemoryImage& image, QWidget* parent)
    : FieldPage(image, BasicSettings::optionFields(), 2, Width::Stretched, parent) {}

TotPage::TotPage(MemoryImage& image, QWidget* parent)
    : FieldPage(image, BasicSettings::totFields(), 1, Width::Natural, parent) {}

KeyPage::KeyPage(MemoryImage& image, QWidget* parent)
    : FieldPage(image, BasicSettings::keyFields(), 1, Width::Natural, parent) {}

BasicSettingView::BasicSettingView(MemoryImage& image, QWidget* parent)
    : TabbedFormView(image, parent) {
    setWindowTitle(Texts::tr("Basic setting"));
    setNoTabHelpContext(HelpContext::kBasicSettingNoTab);
    addPage(new OptionPage(image), Texts::tr("Option"), HelpContext::kBasicOption);
    addPage(new TotPage(image), QStringLiteral("TOT"), HelpContext::kBasicTot);
    addPage(new KeyPage(image), Texts::tr("Key"), HelpContext::kBasicKey);
    tabs()->setCurrentIndex(0);
}

#include "moc_BasicSettingView.cpp"
