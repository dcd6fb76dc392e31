#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <utility>

#include "translation/JobIdentity.h"

namespace vorla {

// Runs `call` with the widget on the window thread, unless by then the widget is gone or the
// job may no longer show. The pointer to the widget is only ever read on the window thread.
template <class Widget, class Call>
void QueueJobReport(const QPointer<Widget>& widget, const JobIdentity& job, Call call) {
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [widget, job, call = std::move(call)]() mutable {
        Widget* shown = widget.data();
        if (shown && job.MayShow()) call(*shown);
      },
      Qt::QueuedConnection);
}

}  // namespace vorla
