#include "shell/version_check.h"

#include "platform/core/exception.h"
#include "platform/net/http_client.h"
#include "platform/system/regional.h"
#include "common/state/program_state.h"

namespace {
// The timer's check waits on a thread of its own; the options dialog's button waits for it.
constexpr unsigned Version_Request_Timeout_Ms = 10000;
}

QString Version_Service_Url() {
    return Maker_Web_Site + QStringLiteral("/home/download/GetversionSW.asp?nomesw=") + Build_SW_Update_Code;
}

QString Download_Page_Url() { return Maker_Web_Site + QStringLiteral("/Home/download/download.asp#HDQX372"); }

QString Home_Page_Url() { return Maker_Web_Site + QStringLiteral("/HOME/default.asp?frompg=SWQX372"); }

int Conv_Version(const QString& Ver_str) {
    const qsizetype blank = Ver_str.indexOf(QLatin1Char(' '));
    const QString t = (blank < 0 ? Ver_str : Ver_str.mid(blank + 1)).trimmed();
    if (t.size() < 5) return -1;
    const QString digits = QString(t[0]) + t[2] + t[3] + t[4];
    int value = -1;
    return TryStrToInt(digits, value) ? value : -1;
}

QString Request_Newest_Version(THTTP& http) {
    try {
        return QString::fromUtf8(http.Get(Version_Service_Url()));
    } catch (const Exception&) {
        return QString();
    }
}

bool Is_Newer_Version(const QString& answer) {
    const QString upper = answer.toUpper().trimmed();
    if (upper.isEmpty() || upper == QLatin1String("VER. 0.000")) return false;
    const int local = Conv_Version(Software_Version);
    const int remote = Conv_Version(answer.trimmed());
    return local != -1 && remote != -1 && remote > local;
}

QString Update_Link_Caption(const QString& text) {
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(Download_Page_Url(), text);
}

void Set_Up_Version_Client(THTTP& http) {
    http.Accept = QStringLiteral("text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8");
    http.UserAgent = QStringLiteral("Mozilla/3.0 (compatible; Indy Library)");
    http.TimeoutMs = Version_Request_Timeout_Ms;
}

TVersion_Check_Thread::TVersion_Check_Thread(THTTP& Http, std::function<void(bool)> Done)
    : TThread(true), http_(Http), done_(std::move(Done)) {
    Start();
}

TVersion_Check_Thread::~TVersion_Check_Thread() {
    // Ends the check before its members go: the base class would wait too late.
    Terminate();
    WaitFor();
}

void TVersion_Check_Thread::Execute() {
    const bool newer = Is_Newer_Version(Request_Newest_Version(http_));
    Synchronize([this, newer] {
        if (!Terminated()) done_(newer);
    });
}
