#pragma once
// The edited stage, one object for the whole run: the map, the settings with
// their defaults snapshot, the project name and the finished page of the last
// refresh. Created before the windows; the windows show it, commands change it.

#include "StageMap.h"
#include "settings/StageSettings.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class Stage : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    StageMap &map() { return m_map; }
    const StageMap &map() const { return m_map; }

    StageSettings &settings() { return m_settings; }
    const SettingsList &settingsList() const { return m_settings.list(); }

    // The full path without extension of the stage last saved or opened;
    // empty until then.
    const QString &projectName() const { return m_projectName; }
    void setProjectName(const QString &name);

    // The page of the last refresh, byte for byte; empty before the first.
    const QByteArray &finishedPage() const { return m_finishedPage; }
    void setFinishedPage(QByteArray page) { m_finishedPage = std::move(page); }

signals:
    void projectNameChanged(const QString &name);

private:
    StageMap m_map;
    StageSettings m_settings;
    QString m_projectName;
    QByteArray m_finishedPage;
};
