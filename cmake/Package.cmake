# `cpack -G DEB` in the build folder (scripts/package) makes the Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME menajer)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Zendor)
set(CPACK_PACKAGE_CONTACT "Zendor Menajer <menajer@zendor.com.tr>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Turkish football-manager game and its player editor")
# The long description; CPack puts the summary above it and indents every line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Menajer is the demonstration edition of a football-manager game in Turkish,
drawn full screen with OpenGL: register as the manager of one of eighteen
first-division clubs, read the news of your appointment as mails and study
the squad on the tactics page.

Kadroed edits the game's player database: it searches, edits, adds and saves
players, and in its club dialog the clubs and squads of the team file. The package also holds menajer-odt, which dumps, builds and checks
the game's database files as CSV, and menajer-datagen, which draws the demo
data set.")
include(CPack)
