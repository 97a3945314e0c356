#pragma once
// Dialog buttons in the order of the original desktop (はい, いいえ, キャンセル
// from left to right), whatever the desktop this runs on prefers; the focus
// frame above the controls around the focused one.

#include <QProxyStyle>

class ButtonOrderStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
};
