#pragma once
// Looks a host name up without holding up the GUI thread: the lookup runs on a worker thread
// and its answer is posted to the receiver as a window message (wParam: the first IPv4 address
// in host order, 0 when the name is unknown; the message's text: the name asked for).

#include <QString>

class QObject;

void LookupHost(QObject *receiver, int message, const QString &name);
