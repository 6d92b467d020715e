#include "CBasicSettingView.h"

#include "BasicSettings.h"

#include <QTabWidget>

COptionPage::COptionPage(MemoryImage& image, QWidget* parent)
    : CFieldPage(image, BasicSettings::optionFields(), 2, Width::Stretched, parent) {}

CTotPage::CTotPage(MemoryImage& image, QWidget* parent)
    : CFieldPage(image, BasicSettings::totFields(), 1, Width::Natural, parent) {}

CKeyPage::CKeyPage(MemoryImage& image, QWidget* parent)
    : CFieldPage(image, BasicSettings::keyFields(), 1, Width::Natural, parent) {}

CBasicSettingView::CBasicSettingView(MemoryImage& image, QWidget* parent)
    : CTabbedFormView(image, parent) {
    setWindowTitle(QStringLiteral("Basic setting"));
    setNoTabHelpContext(32789);
    addPage(new COptionPage(image), QStringLiteral("Option"), 151);
    addPage(new CTotPage(image), QStringLiteral("TOT"), 146);
    addPage(new CKeyPage(image), QStringLiteral("Key"), 175);
    tabs()->setCurrentIndex(0);
}
