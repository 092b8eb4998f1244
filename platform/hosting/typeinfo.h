#pragma once
// A control's type library is its QMetaObject. This reads what a host's
// property browser (and a test) needs from it.
//
// The control class declares, in its class body:
//   * properties with Q_PROPERTY, in the member order of its interface;
//   * methods with Q_INVOKABLE, events as signals, in their order;
//   * per member, optional class infos:
//         Q_CLASSINFO("help:Caption", "Returns/Sets text displayed in the control.")
//         Q_CLASSINFO("dispid:Caption", "0")        // fixed dispatch ids: 0, -512, -517
//         Q_CLASSINFO("hidden:FadeTxT", "true")
//   * optionally, for the whole class:
//         Q_CLASSINFO("members", "FadeTxT Refresh Enabled Color1 ...")
//             the interface's member order across methods and properties
//             (without it: properties, then methods, in declaration order);
//         Q_CLASSINFO("browseFirst", "URL")
//             the member a property browser selects first.
//
// Only the members the control class (and its own bases below QWidget)
// declares count; QWidget's and QObject's are not the control's interface.

#include <QList>
#include <QMetaObject>
#include <QString>

#include <optional>

namespace platform {

struct MemberInfo {
    enum Kind { Property, Method, Event };
    Kind kind = Property;
    QString name;
    QString help;              // empty when none declared
    std::optional<int> dispid; // when declared
    bool hidden = false;
    // Properties: whether the host may assign it.
    bool writable = false;
    // The Qt type name (properties) or signature (methods, events).
    QString type;
};

class TypeInfo {
public:
    explicit TypeInfo(const QMetaObject* metaObject);

    QString className() const;
    // Properties and methods in interface order.
    QList<MemberInfo> members() const;
    QList<MemberInfo> properties() const;
    QList<MemberInfo> methods() const;
    // Events in declaration order.
    QList<MemberInfo> events() const;

    // One member by name (case-insensitive); empty when there is none.
    std::optional<MemberInfo> member(const QString& name) const;
    QString help(const QString& memberName) const;
    std::optional<int> dispid(const QString& memberName) const;
    bool hidden(const QString& memberName) const;

    // The member of dispatch id 0, or empty.
    QString defaultMember() const;
    QString browseFirst() const;

private:
    QString classInfo(const QString& name) const;
    MemberInfo describe(MemberInfo::Kind kind, const QString& name) const;

    const QMetaObject* meta_;
};

} // namespace platform
