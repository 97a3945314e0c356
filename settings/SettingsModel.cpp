#include "SettingsModel.h"

#include "platform/ShiftJis.h"
#include "platform/VorzoError.h"

namespace {

// An entry without "=" shows its whole text as the value.
QByteArray shownValue(const QByteArray &entry)
{
    return entry.contains('=') ? SettingsList::valueOf(entry) : entry;
}

} // namespace

void SettingsModel::replaceAll(SettingsList settings)
{
    beginResetModel();
    m_settings = std::move(settings);
    endResetModel();
}

int SettingsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_settings.size());
}

int SettingsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant SettingsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const QByteArray &entry = m_settings.entry(index.row());
    return ShiftJis::decode(index.column() == KeyColumn ? SettingsList::keyOf(entry) : shownValue(entry));
}

QVariant SettingsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return QString();
    return section == KeyColumn ? QStringLiteral("設定項目") : QStringLiteral("設定値");
}

Qt::ItemFlags SettingsModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == KeyColumn)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool SettingsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() != ValueColumn || role != Qt::EditRole)
        return false;
    // A value is one line: the breaks of a pasted text are dropped.
    QString text = value.toString();
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    // What is shown already is what is stored, byte for byte.
    const QString stored = data(index, Qt::EditRole).toString();
    if (text == stored)
        return true;
    if (text.size() > LongestEditedValue && text.size() > stored.size()) {
        emit refused(QStringLiteral("設定値が長すぎます（%1文字まで）").arg(LongestEditedValue));
        return false;
    }
    QByteArray bytes;
    try {
        bytes = ShiftJis::encode(text);
    } catch (const VorzoError &e) {
        emit refused(e.message());
        return false;
    }
    const QByteArray &entry = m_settings.entry(index.row());
    const QByteArray updated = SettingsList::keyOf(entry) + '=' + bytes;
    if (updated == entry)
        return true;
    m_settings.setEntry(index.row(), updated);
    emit dataChanged(index, index);
    return true;
}
