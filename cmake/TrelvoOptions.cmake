# One interface target carries the standard, the warnings and Qt's strictness to every target.
add_library(trelvo_options INTERFACE)
target_compile_features(trelvo_options INTERFACE cxx_std_20)
target_compile_options(trelvo_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow=local -Wnon-virtual-dtor -Woverloaded-virtual
  $<$<BOOL:${TRELVO_WERROR}>:-Werror>)
target_compile_definitions(trelvo_options INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CONTEXTLESS_CONNECT
  QT_USE_QSTRINGBUILDER
  QT_NO_FOREACH
  TRELVO_VERSION="${PROJECT_VERSION}")
