#include "grid/foundation/html_entities.h"

#include <iterator>

namespace {

struct Entity {
    char16_t Char;
    const char* Name;
};

constexpr Entity kAccentedLetters[] = {
    {u'é', "&eacute;"}, {u'É', "&Eacute;"}, {u'è', "&egrave;"}, {u'È', "&Egrave;"},
    {u'ë', "&euml;"},   {u'Ë', "&Euml;"},   {u'ê', "&ecirc;"},  {u'Ê', "&Ecirc;"},
    {u'ó', "&oacute;"}, {u'Ó', "&Oacute;"}, {u'ò', "&ograve;"}, {u'Ò', "&Ograve;"},
    {u'ö', "&ouml;"},   {u'Ö', "&Ouml;"},   {u'ô', "&ocirc;"},  {u'Ô', "&Ocirc;"},
    {u'í', "&iacute;"}, {u'Í', "&Iacute;"}, {u'ì', "&igrave;"}, {u'Ì', "&Igrave;"},
    {u'ï', "&iuml;"},   {u'Ï', "&Iuml;"},   {u'î', "&icirc;"},  {u'Î', "&Icirc;"},
    {u'ú', "&uacute;"}, {u'Ú', "&Uacute;"}, {u'ù', "&ugrave;"}, {u'Ù', "&Ugrave;"},
    {u'ü', "&uuml;"},   {u'Ü', "&Uuml;"},   {u'û', "&ucirc;"},  {u'Û', "&Ucirc;"},
    {u'á', "&aacute;"}, {u'Á', "&Aacute;"}, {u'à', "&agrave;"}, {u'À', "&Agrave;"},
    {u'ä', "&auml;"},   {u'Ä', "&Auml;"},   {u'â', "&acirc;"},  {u'Â', "&Acirc;"},
    {u'ç', "&ccedil;"}, {u'Ç', "&Ccedil;"}, {u'ø', "&oslash;"}, {u'Ø', "&Oslash;"},
    {u'å', "&aring;"},  {u'Å', "&Aring;"},  {u'©', "&copy;"},   {u'®', "&reg;"},
    {u'€', "&euro;"},   {u'«', "&laquo;"},  {u'»', "&raquo;"},
};
static_assert(std::size(kAccentedLetters) == 51);

}  // namespace

QString DecodeHTMLEntities(const QString& S, bool AccentedLetters) {
    QString s = S;
    s.replace(QLatin1String("&lt;"), QLatin1String("<"));
    s.replace(QLatin1String("&gt;"), QLatin1String(">"));
    s.replace(QLatin1String("&amp;"), QLatin1String("&"));
    s.replace(QLatin1String("&quot;"), QLatin1String("\""));
    if (AccentedLetters)
        for (const Entity& e : kAccentedLetters) s.replace(QLatin1String(e.Name), QChar(e.Char));
    return s;
}

QString EncodeHTMLEntities(const QString& S, bool AccentedLetters) {
    QString s = S;
    // Through a marker, so a text already holding the marker also comes out as "&amp;".
    s.replace(QLatin1String("&"), QLatin1String("*amp;"));
    s.replace(QLatin1String("*amp;"), QLatin1String("&amp;"));
    s.replace(QLatin1String("\""), QLatin1String("&quot;"));
    s.replace(QLatin1String("<"), QLatin1String("&lt;"));
    s.replace(QLatin1String(">"), QLatin1String("&gt;"));
    if (AccentedLetters)
        for (const Entity& e : kAccentedLetters) s.replace(QChar(e.Char), QLatin1String(e.Name));
    return s;
}

QString SpacesToNbsp(const QString& S) {
    QString s = S;
    return s.replace(QLatin1String(" "), QLatin1String("&nbsp;"));
}

QString CRLFToBRTags(const QString& S, bool BreakLines) {
    QString s = S;
    if (BreakLines) s.replace(QLatin1String("\r"), QLatin1String("<BR>"));
    s.remove(QChar(u'\r'));
    s.remove(QChar(u'\n'));
    return s;
}
