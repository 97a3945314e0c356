#pragma once
// The program's one copy of the environment's four values, which the
// environment dialog shows and edits and ApplyEnvironment puts into effect.

#include "platform/Preferences.h"

#include <QObject>

class Environment : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    const EnvironmentValues &values() const { return m_values; }
    void setValues(const EnvironmentValues &values);

signals:
    void changed();

private:
    EnvironmentValues m_values;
};
