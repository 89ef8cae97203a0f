#include "studyfixture.h"

#include <QTest>

StudyFixture::StudyFixture()
{
    platform.folder = folder.path();
}

StudyWindow &StudyFixture::open()
{
    window = std::make_unique<StudyWindow>(platform, walk, session);
    // The fixture owns the window; closing it must not delete it under the fixture's feet.
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->load();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("The study window was not exposed");
    return *window;
}
