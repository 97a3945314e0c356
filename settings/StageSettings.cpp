#include "StageSettings.h"

#include "DefaultSettings.h"

StageSettings::StageSettings() : m_defaultSettingsSnapshot(defaultSettings())
{
    m_model.replaceAll(m_defaultSettingsSnapshot);
}

void StageSettings::replace(SettingsList settings)
{
    m_model.replaceAll(std::move(settings));
}

void StageSettings::takeDefaultSettingsSnapshot()
{
    m_defaultSettingsSnapshot = list();
}

void StageSettings::DeleteAll()
{
    replace(m_defaultSettingsSnapshot);
}
