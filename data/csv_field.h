#pragma once
// One field of a CSV file whose text comes from the controller or the user: quoted where a
// comma, a quote, a line end or a blank at an end would change the table, and kept from being
// taken for a formula by a spreadsheet ("=1+1" becomes "'=1+1", quoted).

#include <QString>

QString CsvField(const QString& text);
