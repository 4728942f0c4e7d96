// SPDX-License-Identifier: GPL-3.0-or-later
// The one control of a window with a given objectName. None or several end the test at once:
// a window test that cannot find its control has nothing left to check.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QtGlobal>

template <typename T>
T* findeKind(const QObject* eltern, const QString& name)
{
    const QList<T*> treffer = eltern->findChildren<T*>(name);
    if (treffer.size() != 1)
        qFatal("%s: %lld Treffer", qPrintable(name), qlonglong(treffer.size()));
    return treffer.constFirst();
}
