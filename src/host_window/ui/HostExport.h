#pragma once

#include <QObject>
#include <QString>
#include <memory>

class fHoster;
class fThisDay;

// The host window's export and sending: the current day page or the month calendar to the
// word processor, and the current day page by e-mail. The window owns one and forwards to it.
class HostExport {
public:
    explicit HostExport(fHoster& window);
    ~HostExport();

    // The day page (copied and pasted into a new document; false) or the month (through the
    // month export; true).
    bool openInMSWord();
    // A new document of the running word processor, started when none runs; null, after the
    // message 1007, when there is none to start.
    QObject* getMSWordAppDoc();
    // Sends the current day page; `command` goes to the page as its text.
    bool doSend(const QString& command);

private:
    // The current day page when one is pending and its pane is 4 to 7; null otherwise.
    fThisDay* currentDayPage() const;

    fHoster& m_window;
    std::unique_ptr<QObject> m_word;
};
