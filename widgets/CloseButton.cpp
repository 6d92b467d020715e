#include "CloseButton.h"
#include "Texts.h"

#include <QHBoxLayout>
#include <QPushButton>

QHBoxLayout* closeButtonRow(QWidget* window) {
    auto* close = new QPushButton(Texts::tr("Close"));
    close->setAccessibleName(close->text());
    close->setAutoDefault(false);
    QObject::connect(close, &QPushButton::clicked, window, &QWidget::close);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(close);
    return row;
}
