// The settings store of the program: QSettings under the organisation
// "Ordavel" and the application "ZAVRO6IP" (on Linux the file
// ~/.config/Ordavel/ZAVRO6IP.conf). When the environment variable
// ZAVRO6IP_SETTINGS names a file, that INI file is used instead.
#pragma once

#include <memory>

#include <QSettings>
#include <QString>

#include "documents/work_settings.h"

namespace zavro {

class QSettingsStore : public SettingsStore {
public:
    // The program's settings (organisation, application or the file of
    // ZAVRO6IP_SETTINGS).
    QSettingsStore();
    // An INI file of its own.
    explicit QSettingsStore(const QString& iniFile);

    std::optional<std::int64_t> ReadInteger(const std::string& name) const override;
    std::optional<std::string> ReadText(const std::string& name) const override;
    void WriteInteger(const std::string& name, std::int64_t value) override;
    void WriteText(const std::string& name, const std::string& value) override;
    bool Flush() override;

    QString FileName() const { return settings_->fileName(); }

private:
    std::unique_ptr<QSettings> settings_;
};

// The file the program's settings live in.
QString WorkSettingsLocation();

// LoadWorkSettings and SaveWorkSettings with the program's store.
void LoadWorkSettings(TParamWork& record);
bool SaveWorkSettings(const TParamWork& record);

// Sets ProgramPath from the program's own file (the application's path).
void InitProgramPath(TParamWork& record);

} // namespace zavro
