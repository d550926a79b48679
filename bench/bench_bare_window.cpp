// The start-up baseline: a bare frameless Qt Widgets window of the home
// window's size. "--share" sets Qt::AA_ShareOpenGLContexts before the
// application object, as a program using Qt WebEngine must. Built a second
// time linking Qt WebEngine (no view created), to show what loading the
// engine's libraries costs.
#include <QApplication>
#include <QWidget>
#include <cstring>

#ifdef BENCH_LINK_WEBENGINE
#include <QWebEngineView>
#endif

int main(int argc, char *argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--share") == 0)
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
#ifdef BENCH_LINK_WEBENGINE
    // A use the linker cannot drop, so the engine's libraries are loaded.
    if (argc > 2)
        return QWebEngineView::staticMetaObject.methodCount() > 0 ? 0 : 1;
#endif
    QWidget window;
    window.setWindowFlag(Qt::FramelessWindowHint);
    window.resize(405, 492);
    window.show();
    return app.exec();
}
