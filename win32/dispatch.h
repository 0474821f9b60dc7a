#pragma once

#include <QString>
#include <QVariant>

// Late binding by member number, the way a control's dispatch interface is driven: methods and
// properties are reached by identifier, their arguments and values carried as variants.

using DISPID = qint32;

enum class DispatchKind { Method, PropertyGet, PropertyPut };

struct DispatchResult
{
    QVariant value; // a method's result or a property's value
    QString error;  // what went wrong; empty on success

    bool ok() const { return error.isEmpty(); }
    static DispatchResult failure(QString why) { return {{}, std::move(why)}; }
};

class Dispatch
{
public:
    virtual ~Dispatch() = default;
    // A member that does not exist, or is called the wrong way, or fails, answers with an error.
    virtual DispatchResult Invoke(DISPID member, DispatchKind kind,
                                  const QVariantList &arguments = {}) = 0;
};
