#pragma once

#include <QList>
#include <QString>

// One entry of the device table (DevInfo.ini).
struct DevInfo
{
    unsigned short vid = 0;
    unsigned short pid = 0;
    unsigned short usagePage = 0;
    unsigned short usage = 0;
    unsigned short usagePage2 = 0;
    unsigned short usage2 = 0;
    unsigned int reportLength = 0;
};

// What the device link knows about one table entry.
struct DevRecord
{
    QString cmdPath;   // command interface; empty when not found or after a failed open
    QString watchPath; // second interface; empty when not found, after a failed open or a removal
    int reportLength = 0;
};

// Reads the device table from an INI file (the program passes ":/DevInfo.ini").
// Entries 0 .. common/total-1; numeric fields are hexadecimal (unparsable
// text reads as 0, low 16 bits kept), reportLength decimal. A missing file
// or a missing common/total gives an empty list; at most 1024 entries are read.
QList<DevInfo> readDeviceTable(const QString &path);

// Parses one hexadecimal table value; text that does not parse gives 0.
unsigned short parseTableHex(const QString &text);
