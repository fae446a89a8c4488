# The one place that numbers the shipped programs: their version blocks, their manifests and
# the installer are made from these.
set(LANSET_VERSION 1.2)
set(PLUGSET_VERSION 1.3)
set(LANSET_PRODUCT "Tarnwick Lanset")
set(PLUGSET_PRODUCT "Tarnwick Plugset")
set(LANSET_PUBLISHER "Tarnwick")
# Who answers for the Debian package (its Maintainer field).
set(LANSET_MAINTAINER "Tarnwick <lanset@tarnwick.example>")
# The installer's and the portable zip's: one package, numbered by lanset, its main program.
set(PACKAGE_NAME "Tarnwick Lanset and Plugset")
set(PACKAGE_FILE_STEM "tarnwick-lanset-${LANSET_VERSION}")

# "1.2" -> "1,2,0,0" and "1.2.0.0": the forms a version block and a manifest take.
function(lanset_version_forms version out_prefix)
  string(REPLACE "." ";" parts "${version}")
  list(LENGTH parts n)
  while(n LESS 4)
    list(APPEND parts 0)
    math(EXPR n "${n} + 1")
  endwhile()
  list(JOIN parts "," commas)
  list(JOIN parts "." dots)
  set(${out_prefix}_COMMAS "${commas}" PARENT_SCOPE)
  set(${out_prefix}_QUAD "${dots}" PARENT_SCOPE)
endfunction()

# Writes generated/versions.h and the two manifests under dir; the .rc files include them.
function(lanset_generate_version_files dir)
  lanset_version_forms(${LANSET_VERSION} LANSET_VERSION)
  lanset_version_forms(${PLUGSET_VERSION} PLUGSET_VERSION)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/versions.h.in ${dir}/versions.h @ONLY)
  set(MANIFEST_NAME "Tarnwick.Lanset")
  set(MANIFEST_VERSION ${LANSET_VERSION_QUAD})
  set(MANIFEST_DESCRIPTION ${LANSET_PRODUCT})
  configure_file(${CMAKE_SOURCE_DIR}/view/win32/program.manifest.in ${dir}/lanset.manifest @ONLY)
  set(MANIFEST_NAME "Tarnwick.Plugset")
  set(MANIFEST_VERSION ${PLUGSET_VERSION_QUAD})
  set(MANIFEST_DESCRIPTION ${PLUGSET_PRODUCT})
  configure_file(${CMAKE_SOURCE_DIR}/view/win32/program.manifest.in ${dir}/plugset.manifest @ONLY)
endfunction()
