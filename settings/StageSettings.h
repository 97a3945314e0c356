#pragma once
// The settings of the edited stage: the list, held by the model the settings
// grid shows, and the defaults snapshot that restore-defaults and new stage
// bring back.

#include "SettingsModel.h"

class StageSettings
{
public:
    StageSettings();

    const SettingsList &list() const { return m_model.settings(); }
    SettingsModel &model() { return m_model; }

    void replace(SettingsList settings);

    // Taken at the main window's first show: a copy of the list as it is
    // then, the built-in defaults. Until then it holds those defaults too.
    void takeDefaultSettingsSnapshot();
    const SettingsList &defaultSettingsSnapshot() const { return m_defaultSettingsSnapshot; }

    // The list := the snapshot.
    void DeleteAll();

private:
    SettingsModel m_model;
    SettingsList m_defaultSettingsSnapshot;
};
