#pragma once
// A tooltip that shows its text as typed. Qt guesses whether a tooltip is
// rich text; one that holds an address or a name from a switch or a file
// would be rendered as markup when it looks like some.

#include <QString>

QString plain_tooltip(const QString& text);
