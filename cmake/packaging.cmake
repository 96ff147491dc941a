# What `cmake --install` puts where, and the Debian package CPack builds from it.
#
#   bin/                                  vespra, vespra-cli
#   share/applications/                   vespra.desktop (Portuguese; opens simulation files)
#   share/icons/hicolor/<size>/apps/      vespra.svg (scalable), vespra.png (16 to 256 pixels)
#   share/doc/vespra/                     README.md, copyright, docs/ (all of it),
#                                         examples/ (the bundled files, en_US/ included)
#
# Tests, benchmarks, tools and the example generator are not installed. The package is built
# with `cmake --build build/release --target package` (or `cpack -G DEB` in the build folder)
# and is named vespra_<version>_<architecture>.deb.

include(GNUInstallDirs)
set(VESPRA_DOC_DIR "${CMAKE_INSTALL_DATAROOTDIR}/doc/vespra")
set(VESPRA_ICON_DIR "${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor")

if(TARGET vespra-cli)
  install(TARGETS vespra-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(TARGET vespra)
  install(TARGETS vespra RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES data/vespra.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
  install(FILES data/icons/vespra.svg DESTINATION ${VESPRA_ICON_DIR}/scalable/apps)
  foreach(size 16 32 48 64 128 256)
    install(FILES data/icons/hicolor/${size}x${size}/apps/vespra.png
            DESTINATION ${VESPRA_ICON_DIR}/${size}x${size}/apps)
  endforeach()
endif()

install(FILES README.md data/copyright DESTINATION ${VESPRA_DOC_DIR})
install(DIRECTORY docs/ DESTINATION ${VESPRA_DOC_DIR}/docs)
# The data files only: the generator's sources and its CMakeLists stay behind.
install(DIRECTORY examples/ DESTINATION ${VESPRA_DOC_DIR}/examples
        FILES_MATCHING PATTERN "*.csv" PATTERN "*.txt"
        PATTERN "CMakeLists.txt" EXCLUDE)

if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGE_NAME vespra)
  set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_STRIP_FILES ON)
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
      "dimensionamento de reservatórios de aproveitamento de água de chuva")
  set(CPACK_PACKAGE_DESCRIPTION [=[O Vespra 4 dimensiona sistemas de aproveitamento de água de chuva em
edificações. A partir de uma série diária de precipitação, da área de captação
(telhado), do coeficiente de escoamento, da demanda de água, do número de
moradores, do percentual da demanda a substituir, do descarte inicial e de um
reservatório superior opcional, simula o balanço hídrico dia a dia para um
volume de reservatório inferior (cisterna) ou para uma faixa de volumes, e
indica o volume ideal. Faz ainda a análise econômica (valor presente líquido,
tempo de retorno, taxa interna de retorno) e a simulação de cenários.

A interface é em português. O pacote traz também o vespra-cli, que executa
arquivos de simulação sem interface gráfica, a documentação e exemplos com o
registro diário de precipitação de Seattle de 2012 a 2015.]=])
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION science)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  # The program names its authors only as a team and gives no address.
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vespra 4 developers")
  # The libraries are found by dpkg-shlibdeps (dpkg-dev, file). Qt loads its display
  # plugins and its Portuguese dialog texts at run time, so those are named here.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
  include(CPack)
endif()
