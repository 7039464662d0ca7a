#pragma once

#include <QByteArray>
#include <QStringList>
#include <functional>

// The readers of untrusted input, one entry a reader: a name and a function that feeds it
// arbitrary bytes. The fuzzers and the regression test share this table.
struct FuzzTarget {
    const char* name;
    std::function<void(const QByteArray& data)> run;
};

const QList<FuzzTarget>& fuzzTargets();
const FuzzTarget* findFuzzTarget(const QString& name);
