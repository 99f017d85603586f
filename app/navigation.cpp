#include "app/navigation.h"

#include <QWidget>

#include <array>
#include <utility>

namespace Navigation
{

namespace
{

// The one table of caller names.
constexpr std::array<std::pair<Caller, const char*>, 4> c_aCallerNames{{
    {Caller::Main, "Haupt"},
    {Caller::Settings, "Einstellungen"},
    {Caller::Season, "Saison"},
    {Caller::Statistics, "Statistik"},
}};

PageLookup& pageLookup()
{
    static PageLookup s_fnLookup;
    return s_fnLookup;
}

Opener& opener()
{
    static Opener s_fnOpen;
    return s_fnOpen;
}

} // namespace

QString strCallerName(Caller _caller)
{
    for (const auto& entry : c_aCallerNames) {
        if (entry.first == _caller)
            return QString::fromLatin1(entry.second);
    }
    return QString();
}

std::optional<Caller> callerOfName(const QString& _strName)
{
    for (const auto& entry : c_aCallerNames) {
        if (_strName == QLatin1String(entry.second))
            return entry.first;
    }
    return std::nullopt;
}

void vSetPageLookup(const PageLookup& _fnLookup)
{
    pageLookup() = _fnLookup;
}

void vSetOpener(const Opener& _fnOpen)
{
    opener() = _fnOpen;
}

QWidget* pPageOf(Caller _caller)
{
    return pageLookup() ? pageLookup()(_caller) : nullptr;
}

void vShowPage(Caller _caller)
{
    if (QWidget* pPage = pPageOf(_caller))
        pPage->showMaximized();
}

bool bCanOpen()
{
    return bool(opener());
}

void vOpen(Target _target, Caller _caller)
{
    if (opener())
        opener()(_target, _caller);
}

} // namespace Navigation
