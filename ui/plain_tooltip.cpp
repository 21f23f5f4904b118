#include "plain_tooltip.h"

QString plain_tooltip(const QString& text)
{
    if (text.isEmpty())
        return text; // no tooltip at all
    return QString("<p style='white-space:pre'>%1</p>").arg(text.toHtmlEscaped());
}
