#pragma once
// The settings list as the grid shows it: key and value columns, the value
// edited in place and written straight into the list.

#include "SettingsList.h"

#include <QAbstractTableModel>

class SettingsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { KeyColumn = 0, ValueColumn = 1 };
    // The longest value an edit may make: a line edit with a longer line
    // takes seconds for every repaint. Longer values read from a file stay
    // whole and may be shortened.
    static constexpr int LongestEditedValue = 65535;

    using QAbstractTableModel::QAbstractTableModel;

    const SettingsList &settings() const { return m_settings; }
    void replaceAll(SettingsList settings);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Writes a value into its entry: line breaks are dropped, a text equal
    // to the one shown leaves the entry's bytes as they are, and a character
    // the code page cannot hold refuses the whole value (refused()).
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    // A value was refused, with the message that says why.
    void refused(const QString &message);

private:
    SettingsList m_settings;
};
