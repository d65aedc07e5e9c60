// QT_QPA_GENERIC_PLUGINS=traversequitafterstart: the program quits on the
// event-loop turn after its first paint, having done all a start does. The
// line on standard error tells a program that painted from one that ended
// without showing anything.

#include <cstdio>

#include <QCoreApplication>
#include <QEvent>
#include <QGenericPlugin>
#include <QObject>
#include <QTimer>

namespace {

class QuitAfterFirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!quitting_ && event->type() == QEvent::Paint) {
      quitting_ = true;
      std::fputs("traverse_quit_after_start: first paint\n", stderr);
      // Not at once: the rest of the window paints in the same turn.
      QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool quitting_ = false;
};

}  // namespace

class QuitAfterStartPlugin : public QGenericPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "quit_after_start.json")

 public:
  QObject* create(const QString& key, const QString&) override {
    if (key.compare(QLatin1String("traversequitafterstart"), Qt::CaseInsensitive) != 0) {
      return nullptr;
    }
    // Owned and deleted by the application, which keeps its generic plugins.
    auto* filter = new QuitAfterFirstPaint;
    QCoreApplication::instance()->installEventFilter(filter);
    return filter;
  }
};

#include "quit_after_start.moc"
