# Builds examples/ in BINARY by CXX and TIDY, with brackets' switches all set,
# and names what of brackets' build reaches it, against a bare twin project of
# copies of its sources, given by hand what linking brackets::validator gives.
cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH repo)
macro(run) # a command whose failure fails the test
	execute_process(COMMAND ${ARGN} COMMAND_ERROR_IS_FATAL ANY)
endmacro()
file(REMOVE_RECURSE ${BINARY} ${BINARY}-bare ${BINARY}-twin)
file(COPY ${repo}/examples/verdicts.cpp ${repo}/examples/deepest.cpp DESTINATION ${BINARY}-twin)
file(WRITE ${BINARY}-twin/CMakeLists.txt "cmake_minimum_required(VERSION 3.25)
project(verdicts LANGUAGES CXX)
add_executable(verdicts verdicts.cpp deepest.cpp)
target_include_directories(verdicts PRIVATE [==[${repo}]==])
target_link_libraries(verdicts PRIVATE
	\"\${CMAKE_BINARY_DIR}/brackets/libbrackets_validator.a\")\n")
set(alike -G Ninja -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_CXX_CLANG_TIDY=${TIDY}
	-DCMAKE_EXPORT_COMPILE_COMMANDS=OFF -DBRACKETS_BENCHMARKS=ON -DBRACKETS_SANITIZE=ON
	-DBRACKETS_STATIC=ON -DBRACKETS_TESTS=ON)

# Fails on each entry of the caller's list that the twin's lacks, and each of
# the twin's that the caller's lacks, naming them and where they stand.
function(compare where caller twin)
	set(added ${caller})
	list(REMOVE_ITEM added ${twin})
	set(removed ${twin})
	list(REMOVE_ITEM removed ${caller})
	foreach(change added removed)
		if(${change})
			list(JOIN ${change} "\n  " lines)
			message(SEND_ERROR "in ${where}, brackets ${change}:\n  ${lines}")
		endif()
	endforeach()
endfunction()
# What of a build brackets could change: its cache's entries, but for internal
# ones' values, which hold paths; and the commands of its default target, less
# the two that build brackets' own archive, unquoted as a shell would, with the
# twin's paths put as the caller's.
function(facts build out)
	file(STRINGS ${build}/CMakeCache.txt cache REGEX "^[A-Za-z_]")
	list(TRANSFORM cache REPLACE ":(INTERNAL|STATIC)=.*" "")
	run(${CMAKE_COMMAND} --build ${build} -- -t commands OUTPUT_VARIABLE text)
	string(REGEX REPLACE "[^\n]*validator\\.dir/main\\.cpp\\.o -c [^\n]*\n" "" text "${text}")
	string(REGEX REPLACE "[^\n]*ranlib brackets/libbrackets_validator\\.a && :\n" ""
		text "${text}")
	string(REGEX REPLACE "'([^']*)'" "\\1" text "${text}")
	string(REPLACE "${BINARY}-twin" "${repo}/examples" text "${text}")
	string(REPLACE "${BINARY}-bare" "${BINARY}" text "${text}")
	string(REPLACE "\n" ";" text "${text}")
	set(${out} ${cache} ${text} PARENT_SCOPE)
endfunction()

# Configured plainly, whose warnings stay in "warnings", then as each build
# type, the last for the run below.
foreach(type "" Debug RelWithDebInfo MinSizeRel Release)
	run(${CMAKE_COMMAND} -S ${BINARY}-twin -B ${BINARY}-bare ${alike} --no-warn-unused-cli
		-DCMAKE_BUILD_TYPE=${type} OUTPUT_QUIET)
	run(${CMAKE_COMMAND} -S ${repo}/examples -B ${BINARY} ${alike} -DCMAKE_BUILD_TYPE=${type}
		OUTPUT_QUIET ERROR_VARIABLE warnings${type} ECHO_ERROR_VARIABLE)
	facts(${BINARY} caller)
	facts(${BINARY}-bare twin)
	compare("the cache or commands, build type \"${type}\"" "${caller}" "${twin}")
endforeach()
# CMake warns of each -D variable that nothing read, one to a line indented
# by four spaces, under "Manually-specified variables were not used".
foreach(switch BENCHMARKS SANITIZE STATIC TESTS)
	if(NOT warnings MATCHES "\n    BRACKETS_${switch}\n")
		message(SEND_ERROR "brackets read its own BRACKETS_${switch}")
	endif()
endforeach()

if(EXISTS ${BINARY}/compile_commands.json)
	message(SEND_ERROR "brackets turned on the caller's compile database")
endif()
run(${CMAKE_COMMAND} --build ${BINARY})
run(${CMAKE_COMMAND} --install ${BINARY} --prefix ${BINARY}/installed)
file(READ ${BINARY}/install_manifest.txt installed)
if(installed)
	message(SEND_ERROR "brackets installs with the caller:\n${installed}")
endif()

# The README's run of the caller, as a shell runs it, must print what follows.
file(READ ${repo}/README.md readme)
if(NOT readme MATCHES "\n(\\./verdicts [^\n]*)\n```\n\n```\n([^`]*)")
	message(FATAL_ERROR "README.md shows no run of ./verdicts, then its output")
endif()
execute_process(COMMAND sh -c "${CMAKE_MATCH_1}" WORKING_DIRECTORY ${BINARY}
	OUTPUT_VARIABLE printed COMMAND_ERROR_IS_FATAL ANY)
if(NOT printed STREQUAL CMAKE_MATCH_2)
	message(SEND_ERROR "the caller printed:\n${printed}\nnot:\n${CMAKE_MATCH_2}")
endif()
