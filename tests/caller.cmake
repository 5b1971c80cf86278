# Builds examples/ in BINARY, by CXX and TIDY, taking brackets in with every
# switch of its own build set, and names whatever of that build reaches it.
find_program(ninja ninja REQUIRED)
file(REMOVE_RECURSE ${BINARY})
execute_process(COMMAND ${CMAKE_COMMAND} -B ${BINARY} -G Ninja
	-S ${CMAKE_CURRENT_LIST_DIR}/../examples
	-DCMAKE_MAKE_PROGRAM=${ninja} -DCMAKE_CXX_COMPILER=${CXX}
	-DCMAKE_CXX_CLANG_TIDY=${TIDY} -DCMAKE_EXPORT_COMPILE_COMMANDS=OFF
	-DBRACKETS_BENCHMARKS=ON -DBRACKETS_SANITIZE=ON -DBRACKETS_STATIC=ON
	-DBRACKETS_TESTS=ON ERROR_VARIABLE warnings ECHO_ERROR_VARIABLE
	COMMAND_ERROR_IS_FATAL ANY)
foreach(switch BENCHMARKS SANITIZE STATIC TESTS)
	if(NOT warnings MATCHES "\n    BRACKETS_${switch}\n")
		message(SEND_ERROR "brackets read its own BRACKETS_${switch}")
	endif()
endforeach()
# The caller's cache holds CMake's entries, the project's and the switches
# given, unused; a build type, given none, is brackets'.
file(STRINGS ${BINARY}/CMakeCache.txt entries REGEX "^[A-Za-z_]")
list(FILTER entries EXCLUDE REGEX "^(_?CMAKE_|verdicts_|BRACKETS_[^:]*:U)")
file(STRINGS ${BINARY}/CMakeCache.txt type REGEX "^CMAKE_BUILD_TYPE:STRING=.")
if(entries OR type)
	message(SEND_ERROR "brackets set cache entries: ${entries} ${type}")
endif()
if(EXISTS ${BINARY}/compile_commands.json)
	message(SEND_ERROR "brackets turned on the caller's compile database")
endif()
execute_process(COMMAND ${ninja} -C ${BINARY} -t commands
	OUTPUT_VARIABLE all COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${ninja} -C ${BINARY} -t commands verdicts
	OUTPUT_VARIABLE needed COMMAND_ERROR_IS_FATAL ANY)
if(NOT all STREQUAL needed)
	message(SEND_ERROR "the build makes more than verdicts needs:\n${all}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BINARY}
	COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BINARY}
	--prefix ${BINARY}/installed COMMAND_ERROR_IS_FATAL ANY)
file(READ ${BINARY}/install_manifest.txt installed)
if(installed)
	message(SEND_ERROR "brackets installs with the caller:\n${installed}")
endif()
execute_process(COMMAND ${BINARY}/verdicts "{[()]}" "(]" "(a"
	OUTPUT_VARIABLE printed COMMAND_ERROR_IS_FATAL ANY)
if(NOT printed STREQUAL "{[()]}: true, depth 3\n(]: false\n(a: true, depth 1\n")
	message(SEND_ERROR "the caller printed:\n${printed}")
endif()
