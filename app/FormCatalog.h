#pragma once

#include <QSize>
#include <QString>
#include <functional>
#include <vector>

class BandState;
class CBaseFormView;
class MemoryImage;
class QWidget;

// The forms the main window opens in windows of their own: name (menu and tree text),
// caption, size, help context, and how to make the form. A form not built yet has no maker.
struct FormEntry {
    QString name;
    QString caption;
    QSize size;
    int helpContext;
    std::function<CBaseFormView*(MemoryImage&, BandState&)> make;
};

const std::vector<FormEntry>& formCatalog();
const FormEntry* findForm(const QString& name);
