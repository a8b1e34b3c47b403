#include "QtSettingsStore.h"

#include <QSettings>
#include <QString>

#include "Failure.h"

namespace reckora {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// Opened for each use and closed at once, so another instance's writes are always seen.
struct OpenStore {
    QSettings settings;
    OpenStore(const std::string& appName, const std::string& section)
        : settings(QSettings::NativeFormat, QSettings::UserScope, Text(appName), Text(appName)) {
        settings.beginGroup(Text(section));
    }
};

}  // namespace

std::string QtSettingsStore::GetSetting(const std::string& appName, const std::string& section,
                                        const std::string& key, const std::string& defaultValue) {
    OpenStore store(appName, section);
    if (store.settings.status() != QSettings::NoError) {
        throw Failure(FailureKind::Refused, "the settings store cannot be read");
    }
    const QVariant value = store.settings.value(Text(key));
    // A hand-edited value may come back as a list or another type; only text is a setting.
    if (!value.isValid() || value.typeId() != QMetaType::QString) {
        return defaultValue;
    }
    return value.toString().toStdString();
}

void QtSettingsStore::SaveSetting(const std::string& appName, const std::string& section,
                                  const std::string& key, const std::string& value) {
    OpenStore store(appName, section);
    store.settings.setValue(Text(key), Text(value));
    store.settings.sync();
    if (store.settings.status() != QSettings::NoError) {
        throw Failure(FailureKind::Refused, "the settings store cannot be written");
    }
}

}  // namespace reckora
