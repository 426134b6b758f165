#include "platform/automation/auto_object.h"
#include "platform/automation/automation_servers.h"
#include "platform/automation/scripted_automation.h"

#include <gtest/gtest.h>

namespace {

class TCounter : public TAutoObject {
public:
    TCounter() {
        Property(QStringLiteral("Count"), [this] { return count_; }, [this](const OleVariant& v) { count_ = v.ToInt(); });
        Method(QStringLiteral("Add"), [this](const TOleArgs& a) {
            NeedArgs(QStringLiteral("Add"), a, 1);
            count_ += a[0].ToInt();
            return OleVariant(count_);
        });
    }

private:
    int count_ = 0;
};

TEST(OleVariant, TextsOfValues) {
    const struct {
        OleVariant Value;
        const char* Text;
    } cases[] = {{OleVariant(), ""},           {OleVariant::Null(), ""},   {OleVariant(12), "12"},
                 {OleVariant(2.5), "2.5"},     {OleVariant(0.1 + 0.2), "0.3"}, {OleVariant(-7.0), "-7"},
                 {OleVariant(true), "True"},   {OleVariant("abc"), "abc"}};
    for (const auto& c : cases) EXPECT_EQ(c.Value.ToString(), QString::fromUtf8(c.Text)) << c.Value.Describe().toStdString();
    EXPECT_THROW(OleVariant(TVariantArray::Create(1, 1, 1, 1)).ToString(), EOleError);
    EXPECT_THROW(OleVariant("x").ToDouble(), EOleError);
    EXPECT_EQ(OleVariant(" 42 ").ToInt(), 42);
}

TEST(OleVariant, ArraysKeepTheirBoundsAndRefuseOthers) {
    auto a = TVariantArray::Create(0, 1, 0, 29);
    EXPECT_EQ(a->Rows(), 2);
    EXPECT_EQ(a->Cols(), 30);
    a->At(1, 29) = OleVariant("last");
    EXPECT_EQ(a->At(1, 29).ToString(), "last");
    EXPECT_THROW(a->At(2, 0), EOleError);
    EXPECT_THROW(a->At(0, -1), EOleError);
}

TEST(AutoObject, MembersAnswerInAnyCaseAndUnknownOnesFail) {
    OleVariant counter{std::shared_ptr<IAutoDispatch>(std::make_shared<TCounter>())};
    counter.Set(QStringLiteral("COUNT"), 5);
    EXPECT_EQ(counter.Call(QStringLiteral("add"), {3}).ToInt(), 8);
    EXPECT_EQ(counter.Get(QStringLiteral("Count")).ToInt(), 8);
    EXPECT_THROW(counter.Call(QStringLiteral("Add")), EOleError);
    EXPECT_THROW(counter.Get(QStringLiteral("Missing")), EOleError);
    EXPECT_THROW(OleVariant(3).Get(QStringLiteral("Count")), EOleError);
}

TEST(AutomationServers, CreatesRegisteredServersAndAttachesToRunningOnes) {
    TAutomationServers servers;
    EXPECT_THROW(servers.CreateOleObject(QStringLiteral("excel.application")), EOleError);
    servers.Register(QStringLiteral("Excel.Application"), [] { return std::make_shared<TCounter>(); });
    EXPECT_TRUE(servers.CreateOleObject(QStringLiteral("excel.application")).IsObject());
    EXPECT_THROW(servers.GetActiveOleObject(QStringLiteral("excel.application")), EOleError);
    auto running = TScriptedAutoObject::Root(QStringLiteral("Excel"));
    servers.SetActive(QStringLiteral("excel.application"), running);
    EXPECT_EQ(&servers.GetActiveOleObject(QStringLiteral("EXCEL.APPLICATION")).Object(), running.get());
}

TEST(ScriptedAutoObject, LogsCallsReadsAndWritesOfTheWholeTree) {
    auto excel = TScriptedAutoObject::Root(QStringLiteral("Excel"));
    excel->Child(QStringLiteral("WorkBooks"))->Answer(QStringLiteral("Count"), 0);
    OleVariant app{std::shared_ptr<IAutoDispatch>(excel)};
    EXPECT_EQ(app.Get(QStringLiteral("WorkBooks")).Get(QStringLiteral("Count")).ToInt(), 0);
    app.Get(QStringLiteral("WorkBooks")).Call(QStringLiteral("Open"), {"a.xlsx"}).Set(QStringLiteral("Saved"), true);
    EXPECT_EQ(excel->Log(), QStringList({"Excel.WorkBooks", "Excel.WorkBooks.Count", "Excel.WorkBooks",
                                         "Excel.WorkBooks.Open(\"a.xlsx\")", "Excel.WorkBooks.Open.Saved=True"}));
}

}  // namespace
