# The Debian package: `cpack -G DEB` in a build configured with the prefix /usr (scripts/package does it).
# The libraries the programs link come from dpkg-shlibdeps; the rest are what they need at run time.
set(CPACK_PACKAGE_NAME brainlark)
set(CPACK_PACKAGE_VENDOR "The Brainlark team")
set(CPACK_PACKAGE_CONTACT "The Brainlark team <team@brainlark.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "flashcard and quiz trainer")
# Debian shows the description as it stands: lines under 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "Brainlark quizzes one learner on lists of question and answer pairs in
multiple-choice, true/false, type-in and matching quizzes and a slideshow,
keeps statistics for every pair and keeps asking the pairs the learner
knows least. Lists are edited in a grid or imported from text, and go out
as HTML reports, printable tests, printed lists and flashcards.
brainlark-cli converts and prints lists from the shell.")
set(CPACK_PACKAGE_HOMEPAGE_URL "http://www.brainlark.example/")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The first Debian revision of upstream 4.0: 4.0-1, as its changelog.Debian says.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The free faces standing in for the classic ones the lists and settings name, and Qt's SQLite driver for
# the study history (a plug-in, so dpkg-shlibdeps cannot see it). The icon cache, the MIME database and the
# menu take the installed files in through their own triggers; they are not needed to run the program. The
# Noto faces give lists in the scripts DejaVu lacks (Chinese, Japanese, Korean, Devanagari, ...) their glyphs.
# Qt's own catalogues translate the standard dialogs (files, printing, message buttons) when the program's
# texts are shown in another language than English. Read aloud speaks through a speech engine plug-in
# (speech-dispatcher's, else flite's); without one the command is off and says why.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-comic-neue, fonts-noto-cjk, fonts-noto-core, gstreamer1.0-plugins-good, qt6-translations-l10n, xdg-utils, qt6-speech-speechd-plugin | qt6-speech-flite-plugin")
include(CPack)
