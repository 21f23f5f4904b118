#pragma once
// The PC's network interfaces for the interface chooser: one entry per
// interface, by its human-readable name, with the interface as the item data.

#include <QStringList>

class QComboBox;

class ORB_InterfaceList
{
public:
    // Refills box; returns the names in the same order.
    static QStringList fill(QComboBox* box);
};
