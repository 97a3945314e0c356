#pragma once
// The environment's four values as the preferences file holds them: the
// default folder of the file dialogs (ending in the separator), the
// preferred picture, and the text editor's two colours as colour texts.
// The program keeps one copy, which the environment dialog shows and edits.

#include <QObject>
#include <QString>

struct EnvironmentValues
{
    QString saveOpenFolder;
    QString imageFile;
    QString foreColour;
    QString backColour;
};

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
