#pragma once

#include "platform/automation/ole_variant.h"

#include <QHash>
#include <functional>

// The base of this platform's own automation objects: members are registered by name (matched
// without regard to case, as late binding does) with what a call, a read and a write do.
class TAutoObject : public IAutoDispatch {
public:
    TAutoObject() = default;
    // The members hold the object's own address.
    TAutoObject(const TAutoObject&) = delete;
    TAutoObject& operator=(const TAutoObject&) = delete;

    using TMethod = std::function<OleVariant(const TOleArgs& Args)>;
    using TSetter = std::function<void(const OleVariant& Value)>;

    OleVariant Invoke(const QString& Member, TInvokeKind Kind, const TOleArgs& Args) override;

protected:
    // A member that is called or read alike (a method, or a property with index arguments).
    void Method(const QString& Name, TMethod Call);
    // A property with a getter and, when given, a setter.
    void Property(const QString& Name, std::function<OleVariant()> Get, TSetter Set = nullptr);

    // The argument at Index, or Empty when the caller left it out.
    static OleVariant Arg(const TOleArgs& Args, size_t Index) { return Index < Args.size() ? Args[Index] : OleVariant(); }
    // Raises EOleError naming the member when fewer than Count arguments came.
    static void NeedArgs(const QString& Member, const TOleArgs& Args, size_t Count);

private:
    struct TMember {
        TMethod Call;
        TSetter Set;
    };
    QHash<QString, TMember> members_;
};
