# Builds examples/ as a project that takes brackets in, with every switch of
# brackets' own build set on its command line, and fails naming whatever of
# that build reached the caller.  CTest gives SOURCE, BINARY, CXX and TIDY.
cmake_minimum_required(VERSION 3.25)
find_program(ninja ninja REQUIRED)
file(REMOVE_RECURSE ${BINARY})

# Runs a command, keeping what it printed in output; a failure ends the test.
function(run what)
	execute_process(COMMAND ${ARGN} RESULT_VARIABLE status
		OUTPUT_VARIABLE output ERROR_VARIABLE output)
	if(NOT status EQUAL 0)
		message(FATAL_ERROR "${what} failed:\n${output}")
	endif()
	set(output "${output}" PARENT_SCOPE)
endfunction()

set(switches BENCHMARKS SANITIZE STATIC TESTS)
list(TRANSFORM switches PREPEND -DBRACKETS_ OUTPUT_VARIABLE settings)
list(TRANSFORM settings APPEND =ON)
run("configuring the caller" ${CMAKE_COMMAND} -S ${SOURCE} -B ${BINARY}
	-G Ninja -DCMAKE_MAKE_PROGRAM=${ninja} -DCMAKE_CXX_COMPILER=${CXX}
	-DCMAKE_CXX_CLANG_TIDY=${TIDY} -DCMAKE_EXPORT_COMPILE_COMMANDS=OFF
	${settings})
foreach(switch IN LISTS switches)
	if(NOT output MATCHES "\n    BRACKETS_${switch}\n")
		message(SEND_ERROR "brackets read BRACKETS_${switch}, a switch "
			"of its own build, in the caller's")
	endif()
endforeach()
file(STRINGS ${BINARY}/CMakeCache.txt entries
	REGEX "^(BRACKETS|brackets)[^:]*:[^U]")
if(entries)
	message(SEND_ERROR "brackets left cache entries: ${entries}")
endif()
if(EXISTS ${BINARY}/compile_commands.json)
	message(SEND_ERROR "brackets turned on the caller's compile database")
endif()

run("listing the caller's build" ${ninja} -C ${BINARY} -t commands)
set(everything "${output}")
run("listing what verdicts needs" ${ninja} -C ${BINARY} -t commands verdicts)
if(NOT everything STREQUAL output)
	message(SEND_ERROR "the caller's build makes more of brackets than the "
		"validator it links:\n${everything}")
endif()

run("building the caller" ${CMAKE_COMMAND} --build ${BINARY})
run("installing the caller" ${CMAKE_COMMAND} --install ${BINARY}
	--prefix ${BINARY}/installed)
file(READ ${BINARY}/install_manifest.txt installed)
if(installed)
	message(SEND_ERROR "brackets installs with the caller:\n${installed}")
endif()

# Called directly: a list would split these arguments at their brackets.
execute_process(COMMAND ${BINARY}/verdicts "{[()]}" "(]" "(a"
	OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT output STREQUAL "{[()]}: true, depth 3\n(]: false\n(a: true, depth 1\n")
	message(SEND_ERROR "the caller printed:\n${output}")
endif()
