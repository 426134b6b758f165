#pragma once

#include "platform/system/thread.h"

#include <QString>
#include <functional>

class THTTP;

// The maker's web site behind the maker label.
inline const QString Maker_Web_Site = QStringLiteral("http://www.korvex.example");

// The version of this program, as the maker's version service compares it.
inline const QString Software_Version = QStringLiteral("1.001");

// The maker's pages: the version service asked for this software's newest version, the
// download page and the home page.
QString Version_Service_Url();
QString Download_Page_Url();
QString Home_Page_Url();

// A version text as a number: the text after the first blank (all of it without one),
// trimmed; its characters 1, 3, 4 and 5 read as an integer ("VER. 1.002" gives 1002). -1 when
// the text is shorter than five characters or those characters are not an integer.
int Conv_Version(const QString& Ver_str);

// The version service's answer; any failure of the request is the empty answer.
QString Request_Newest_Version(THTTP& http);
// True when the service's answer names a version newer than this program's.
bool Is_Newer_Version(const QString& answer);

// The caption of a link label that leads to the download page with text.
QString Update_Link_Caption(const QString& text);

// Sets up the main window's HTTP client for the version service: the request headers and a
// time-out, so that a dead network cannot hold the program for long.
void Set_Up_Version_Client(THTTP& http);

// One version check on a thread of its own, so that a server that does not answer holds this
// thread and never the windows. Done runs on the GUI thread with the result of
// Is_Newer_Version, unless the check was terminated first.
class TVersion_Check_Thread : public TThread {
public:
    TVersion_Check_Thread(THTTP& Http, std::function<void(bool)> Done);
    ~TVersion_Check_Thread() override;

protected:
    void Execute() override;

private:
    THTTP& http_;
    std::function<void(bool)> done_;
};
