#include "SettingsStore.h"

#include "Error.h"

#include <QSettings>
#include <QString>
#include <QVariant>
#include <memory>

namespace qv {

namespace {

constexpr const char* kOrganization = "Ostrel";
constexpr const char* kApplication = "BLRX10";

QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace

SettingsStore::SettingsStore() = default;

SettingsStore::SettingsStore(std::string iniFile) : iniFile_(std::move(iniFile)) {}

static std::unique_ptr<QSettings> Open(const std::string& iniFile) {
    if (iniFile.empty())
        return std::make_unique<QSettings>(kOrganization, kApplication);
    return std::make_unique<QSettings>(ToQString(iniFile), QSettings::IniFormat);
}

std::optional<std::string> SettingsStore::ReadString(std::string_view name) const {
    std::unique_ptr<QSettings> s = Open(iniFile_);
    const QString key = ToQString(name);
    if (!s->contains(key))
        return std::nullopt;
    const QVariant v = s->value(key);
    if (v.typeId() != QMetaType::QString && v.typeId() != QMetaType::QByteArray)
        throw Error("The setting \"" + std::string(name) + "\" is not stored as a text.");
    return v.toString().toStdString();
}

void SettingsStore::WriteString(std::string_view name, std::string_view value) {
    std::unique_ptr<QSettings> s = Open(iniFile_);
    s->setValue(ToQString(name), ToQString(value));
    s->sync();
    if (s->status() != QSettings::NoError)
        throw Error("The setting \"" + std::string(name) + "\" could not be saved.");
}

} // namespace qv
