#pragma once
// The checks an address plan passes before any switch is asked, the same the
// page's preview makes: the page is an outside component, and what it sends
// is checked again here. A problem is the word the page translates.

#include <QMultiHash>
#include <QString>
#include <QVector>

class ORB_AddressPlanCheck
{
public:
    struct Entry
    {
        QString sn, new_ip, mask, gateway, dns;
    };
    struct Problem
    {
        QString reason; // empty: none
        QString other;  // "collides": the listed switch that uses the address
    };

    // listed: the serial numbers of the listed switches, by address.
    static QVector<Problem> check(const QVector<Entry>& plan, const QMultiHash<QString, QString>& listed);

private:
    static Problem problem_of(const Entry& entry, int times_planned, int address_planned,
                              const QMultiHash<QString, QString>& listed);
    // The address's own settings: a valid mask, gateway and DNS, and a host
    // address in the gateway's subnet.
    static QString settings_problem(const Entry& entry);
};
