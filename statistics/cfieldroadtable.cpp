#include "statistics/cfieldroadtable.h"

#include "app/pageframe.h"

#include <QLabel>
#include <QPixmap>
#include <QVariant>
#include <QWidget>

namespace FieldRoadTable
{

namespace
{
const char* const TITLES[] = {"label_StreckeTitel",         "label_ZeitTitel",
                              "label_VerbrauchTitel",       "label_VerbrauchZeitTitel",
                              "label_VerbrauchHektarTitel", "label_VerbrauchKmTitel"};
const char* const VALUES[] = {
    "label_Feld_Strecke",        "label_Strasse_Strecke",        "label_Zeit_Feld",
    "label_Zeit_Strasse",        "label_Verbrauch_feld",         "label_Verbrauch_strasse",
    "label_verbrauch_zeit_feld", "label_verbrauch_zeit_strasse", "label_verbrauch_hektar_feld",
    "label_verbrauch_km_strasse"};
// The minimum width the value style gave a label, before its text widened it.
const char* const STYLE_MINIMUM_WIDTH = "s32StyleMinimumWidth";

void vSetHead(QWidget* _pPage, const char* _strName, const QString& _strImage, int _s32Height)
{
    auto* label = _pPage->findChild<QLabel*>(QLatin1String(_strName));
    if (!label)
        return;
    const QPixmap pixmap(_strImage);
    label->setPixmap(pixmap.isNull() ? QPixmap()
                                     : pixmap.scaledToHeight(_s32Height, Qt::SmoothTransformation));
    label->setAlignment(Qt::AlignCenter);
}
} // namespace

QString strValueStyle(int _s32TextSize)
{
    return Style::strValueFrame(_s32TextSize) + QStringLiteral("QLabel{color: ") + Style::strLabelYellow() +
           QStringLiteral("; padding-left: 6px; padding-right: 6px;}");
}

void vKeepValuesWhole(QWidget* _pPage)
{
    for (const char* name : VALUES) {
        if (auto* label = _pPage->findChild<QLabel*>(QLatin1String(name)))
            label->setMinimumWidth(
                qMax(label->property(STYLE_MINIMUM_WIDTH).toInt(), label->minimumSizeHint().width()));
    }
}

void vApplyStyles(QWidget* _pPage, int _s32TextSize, int _s32HeadSize)
{
    for (const char* name : TITLES)
        if (auto* label = _pPage->findChild<QLabel*>(QLatin1String(name)))
            label->setStyleSheet(Style::strTitleLabel(_s32TextSize));
    for (const char* name : VALUES) {
        if (auto* label = _pPage->findChild<QLabel*>(QLatin1String(name))) {
            label->setStyleSheet(strValueStyle(_s32TextSize));
            label->ensurePolished();
            label->setProperty(STYLE_MINIMUM_WIDTH, label->minimumWidth());
        }
    }
    vKeepValuesWhole(_pPage);
    // Field mode (tortoise) on the left, road mode (hare) on the right.
    vSetHead(_pPage, "label_19", QStringLiteral(":/images/Hinweis_Betriebsart_Schildkroete.png"),
             _s32HeadSize);
    vSetHead(_pPage, "label_18", QStringLiteral(":/images/Hinweis_Betriebsart_Hase.png"), _s32HeadSize);
}

} // namespace FieldRoadTable
