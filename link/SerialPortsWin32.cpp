#include "SerialPorts.h"

#include <QMap>
#include <QRegularExpression>
#include <windows.h>
// windows.h first: SetupAPI builds on its types.
#include <devguid.h>
#include <setupapi.h>

namespace {

// A string property of a device, empty when it has none.
QString deviceProperty(HDEVINFO set, SP_DEVINFO_DATA& device, DWORD property) {
    wchar_t text[512] = {};
    DWORD type = 0;
    if (!SetupDiGetDeviceRegistryPropertyW(set, &device, property, &type,
                                           reinterpret_cast<BYTE*>(text), sizeof text - 2, nullptr))
        return {};
    return QString::fromWCharArray(text); // a multi-string's first entry, as wanted
}

// The "PortName" ("COM3") of a device in the Ports class.
QString portNameOf(HDEVINFO set, SP_DEVINFO_DATA& device) {
    HKEY key = SetupDiOpenDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
    if (key == INVALID_HANDLE_VALUE)
        return {};
    wchar_t name[64] = {};
    DWORD size = sizeof name - 2;
    DWORD type = 0;
    const bool ok = RegQueryValueExW(key, L"PortName", nullptr, &type,
                                     reinterpret_cast<BYTE*>(name), &size) == ERROR_SUCCESS &&
                    type == REG_SZ;
    RegCloseKey(key);
    return ok ? QString::fromWCharArray(name) : QString();
}

// "USB\VID_067B&PID_2303\..." gives "067b:2303".
QString usbIdsOf(const QString& hardwareId) {
    static const QRegularExpression ids(QStringLiteral("VID_([0-9A-F]{4})&PID_([0-9A-F]{4})"),
                                        QRegularExpression::CaseInsensitiveOption);
    const auto m = ids.match(hardwareId);
    return m.hasMatch() ? (m.captured(1) + u':' + m.captured(2)).toLower() : QString();
}

struct Details {
    QString description;
    QString usbIds;
};

// Friendly names and USB ids of the present devices in the Ports class, by port name.
QMap<QString, Details> deviceDetails() {
    QMap<QString, Details> details;
    HDEVINFO set = SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE)
        return details;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD i = 0; SetupDiEnumDeviceInfo(set, i, &device); ++i) {
        const QString port = portNameOf(set, device);
        if (port.isEmpty())
            continue;
        QString name = deviceProperty(set, device, SPDRP_FRIENDLYNAME);
        if (name.isEmpty())
            name = deviceProperty(set, device, SPDRP_DEVICEDESC);
        details[port.toUpper()] = {name, usbIdsOf(deviceProperty(set, device, SPDRP_HARDWAREID))};
    }
    SetupDiDestroyDeviceInfoList(set);
    return details;
}

// The names stored in "Program.ini": "COM1".."COM9" and "\\.\COM10" upwards.
QString storedName(const QString& port) {
    bool ok = false;
    const int number = port.mid(3).toInt(&ok);
    if (port.startsWith(QLatin1String("COM"), Qt::CaseInsensitive) && ok && number >= 10)
        return QStringLiteral("\\\\.\\COM%1").arg(number);
    return port;
}

} // namespace

QList<SerialPortInfo> systemSerialPorts() {
    QStringList names;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) ==
        ERROR_SUCCESS) {
        for (DWORD i = 0;; ++i) {
            wchar_t value[256];
            DWORD valueSize = 256;
            wchar_t data[64] = {};
            DWORD dataSize = sizeof data - 2;
            DWORD type = 0;
            if (RegEnumValueW(key, i, value, &valueSize, nullptr, &type,
                              reinterpret_cast<BYTE*>(data), &dataSize) != ERROR_SUCCESS)
                break;
            if (type == REG_SZ)
                names << QString::fromWCharArray(data);
        }
        RegCloseKey(key);
    }
    // In the order of their numbers: COM2 before COM10.
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    names.removeDuplicates();
    const QMap<QString, Details> details = deviceDetails();
    QList<SerialPortInfo> ports;
    for (const QString& n : names) {
        const Details d = details.value(n.toUpper());
        ports << SerialPortInfo{storedName(n), d.description, d.usbIds};
    }
    // COM1-COM16 are always offered: a port may exist before Windows has registered it.
    for (int n = 1; n <= 16; ++n)
        if (const QString com = QStringLiteral("COM%1").arg(n);
            !names.contains(com, Qt::CaseInsensitive))
            ports << SerialPortInfo{storedName(com), {}, {}};
    return ports;
}
