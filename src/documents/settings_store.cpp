#include "documents/settings_store.h"

#include <QCoreApplication>
#include <QStringList>

namespace zavro {

namespace {

constexpr const char* kSettingsFileVariable = "ZAVRO6IP_SETTINGS";

QString Key(const std::string& name) { return QString::fromStdString(name); }

} // namespace

QSettingsStore::QSettingsStore() {
    const QString file = qEnvironmentVariable(kSettingsFileVariable);
    if (!file.isEmpty())
        settings_ = std::make_unique<QSettings>(file, QSettings::IniFormat);
    else
        settings_ = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                QStringLiteral("Ordavel"),
                                                QStringLiteral("ZAVRO6IP"));
}

QSettingsStore::QSettingsStore(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

std::optional<std::int64_t> QSettingsStore::ReadInteger(const std::string& name) const {
    if (!settings_->contains(Key(name))) return std::nullopt;
    bool ok = false;
    const qlonglong v = settings_->value(Key(name)).toString().trimmed().toLongLong(&ok);
    if (!ok) return std::nullopt;
    return static_cast<std::int64_t>(v);
}

std::optional<std::string> QSettingsStore::ReadText(const std::string& name) const {
    if (!settings_->contains(Key(name))) return std::nullopt;
    const QVariant v = settings_->value(Key(name));
    // An INI text with unquoted commas reads back as a list.
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QLatin1Char(',')).toStdString();
    return v.toString().toStdString();
}

void QSettingsStore::WriteInteger(const std::string& name, std::int64_t value) {
    settings_->setValue(Key(name), static_cast<qlonglong>(value));
}

void QSettingsStore::WriteText(const std::string& name, const std::string& value) {
    settings_->setValue(Key(name), QString::fromStdString(value));
}

bool QSettingsStore::Flush() {
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

QString WorkSettingsLocation() { return QSettingsStore().FileName(); }

void LoadWorkSettings(TParamWork& record) {
    const QSettingsStore store;
    LoadWorkSettings(record, store);
}

bool SaveWorkSettings(const TParamWork& record) {
    QSettingsStore store;
    return SaveWorkSettings(record, store);
}

void InitProgramPath(TParamWork& record) {
    record.ProgramPath = ProgramFolderOf(QCoreApplication::applicationFilePath().toStdString());
}

} // namespace zavro
