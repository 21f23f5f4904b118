#pragma once
// The interface language: 0 = Chinese, 1 = English.

#include <QString>

// From "language" in ./Settings.ini (0 Chinese, anything else English), or,
// without that key, Chinese for a Chinese system locale and English otherwise.
int startup_language();

// The compiled-in catalogue for a language index.
QString language_catalogue(int language);
