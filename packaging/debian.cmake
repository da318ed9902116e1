# The Debian package, made by CPack from what `cmake --install` installs (`make package`):
# build/veld_<version>_<arch>.deb, installed under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veld)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kavronet")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
# Installed programs carry no debugging symbols.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tim Paket Kavronet <paket@kavronet.qv>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.kavronet.qv/")
# The libraries the program links come from dpkg-shlibdeps (Qt's own packages bring the
# plugins that draw the windows and speak TLS). Checking a provider's certificate needs the
# system's trusted authorities; handing the form to the desktop's mail program needs xdg-utils.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "ca-certificates, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "domain registration wizard that sends its form by e-mail
VELD leads an applicant for a domain name under the Velderia registry's
second-level zones through the registration form page by page: the domain,
the contacts, the name servers or mail exchangers, and the declaration. Each
page checks its required fields. The finished form is sent to the zone's
registrar through the applicant's own SMTP server, with TLS and a login where
the provider asks for them, or handed to the applicant's own mail program.
The program speaks Indonesian.")

include(CPack)
