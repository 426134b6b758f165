#pragma once

#include "platform/automation/ole_variant.h"

#include <QHash>
#include <QStringList>
#include <functional>

// An automation object for tests that serves any member: every call, read and write is written
// to a log shared by the whole tree of objects, as "Name.Member(arguments)" (no brackets without
// arguments) or "Name.Member=value". A member answers what the test scripted for it, else a
// child object named "Name.Member", made on first use.
class TScriptedAutoObject : public IAutoDispatch {
public:
    using TAnswer = std::function<OleVariant(const TOleArgs& Args)>;

    TScriptedAutoObject(std::shared_ptr<QStringList> Log, QString Name) : log_(std::move(Log)), name_(std::move(Name)) {}
    static std::shared_ptr<TScriptedAutoObject> Root(const QString& Name) {
        return std::make_shared<TScriptedAutoObject>(std::make_shared<QStringList>(), Name);
    }

    void Answer(const QString& Member, OleVariant Value) {
        answers_[Member.toLower()] = [Value](const TOleArgs&) { return Value; };
    }
    void AnswerWith(const QString& Member, TAnswer Fn) { answers_[Member.toLower()] = std::move(Fn); }
    // A call of Member raises an error with Message.
    void Fails(const QString& Member, const QString& Message) {
        answers_[Member.toLower()] = [Message](const TOleArgs&) -> OleVariant { throw EOleError(Message); };
    }
    std::shared_ptr<TScriptedAutoObject> Child(const QString& Member) {
        auto& child = children_[Member.toLower()];
        if (!child) child = std::make_shared<TScriptedAutoObject>(log_, name_ + u'.' + Member);
        return child;
    }
    // Another object that writes to the same log, to be handed out by a scripted answer.
    std::shared_ptr<TScriptedAutoObject> Sibling(const QString& Name) const { return std::make_shared<TScriptedAutoObject>(log_, Name); }
    // The last value written to the property; Empty when none was.
    OleVariant Written(const QString& Member) const { return written_.value(Member.toLower()); }

    QStringList& Log() const { return *log_; }
    const QString& Name() const { return name_; }
    QString Describe() const override { return name_; }

    OleVariant Invoke(const QString& Member, TInvokeKind Kind, const TOleArgs& Args) override {
        QStringList args;
        for (const OleVariant& a : Args) args << a.Describe();
        if (Kind == ikPut) {
            log_->append(name_ + u'.' + Member + u'=' + args.join(QStringLiteral(", ")));
            written_[Member.toLower()] = Args.empty() ? OleVariant() : Args.back();
            return {};
        }
        log_->append(name_ + u'.' + Member + (Args.empty() ? QString() : u'(' + args.join(QStringLiteral(", ")) + u')'));
        const auto it = answers_.constFind(Member.toLower());
        if (it != answers_.constEnd()) return (*it)(Args);
        return std::shared_ptr<IAutoDispatch>(Child(Member));
    }

private:
    std::shared_ptr<QStringList> log_;
    QString name_;
    QHash<QString, TAnswer> answers_;
    QHash<QString, std::shared_ptr<TScriptedAutoObject>> children_;
    QHash<QString, OleVariant> written_;
};
