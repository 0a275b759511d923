#pragma once

// Texts of the Qt-free layers that reach the screen are marked with QT_TRANSLATE_NOOP(context, text): the
// mark leaves the text as it is here (files, reports and the command line keep it in English), and the
// translation tools find it, so the Qt layer can show it translated with
// QCoreApplication::translate(context, text). Qt defines the same macro the same way.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
