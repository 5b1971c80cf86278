# Builds examples/ in BINARY by CXX and TIDY, with brackets' switches all set,
# and names what of brackets' build reaches it, against a bare twin project
# whose verdicts is given by hand what linking brackets::validator gives.
cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH repo)
macro(run) # a command whose failure fails the test
	execute_process(COMMAND ${ARGN} COMMAND_ERROR_IS_FATAL ANY)
endmacro()
file(REMOVE_RECURSE ${BINARY} ${BINARY}-bare)
file(WRITE ${BINARY}-bare/CMakeLists.txt "\
cmake_minimum_required(VERSION 3.25)
project(verdicts LANGUAGES CXX)
add_executable(verdicts ${repo}/examples/verdicts.cpp ${repo}/examples/deepest.cpp)
target_include_directories(verdicts PRIVATE ${repo})
target_link_libraries(verdicts PRIVATE \${CMAKE_BINARY_DIR}/brackets/libbrackets_validator.a)
")
# Asks CMake's file API of each build for its targets as configured.
file(WRITE ${BINARY}/.cmake/api/v1/query/codemodel-v2 "")
file(WRITE ${BINARY}-bare/.cmake/api/v1/query/codemodel-v2 "")
set(alike -G Ninja -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_CXX_CLANG_TIDY=${TIDY}
	-DCMAKE_EXPORT_COMPILE_COMMANDS=OFF -DBRACKETS_BENCHMARKS=ON
	-DBRACKETS_SANITIZE=ON -DBRACKETS_STATIC=ON -DBRACKETS_TESTS=ON)
run(${CMAKE_COMMAND} -S ${BINARY}-bare -B ${BINARY}-bare ${alike} OUTPUT_QUIET)
run(${CMAKE_COMMAND} -S ${repo}/examples -B ${BINARY} ${alike}
	ERROR_VARIABLE warnings ECHO_ERROR_VARIABLE)
# CMake warns of each -D variable that nothing read, one to a line indented
# by four spaces, under "Manually-specified variables were not used".
foreach(switch BENCHMARKS SANITIZE STATIC TESTS)
	if(NOT warnings MATCHES "\n    BRACKETS_${switch}\n")
		message(SEND_ERROR "brackets read its own BRACKETS_${switch}")
	endif()
endforeach()

# What brackets could change in a build: the cache's entries, but for internal
# ones' values, which hold paths; and the flags, include directories,
# definitions, standard and libraries of verdicts' compile and link lines.
function(reach build out)
	file(STRINGS ${build}/CMakeCache.txt cache REGEX "^[A-Za-z_]")
	list(TRANSFORM cache REPLACE ":(INTERNAL|STATIC)=.*" "")
	# The file API's index names the codemodel, which names each target's file.
	set(reply ${build}/.cmake/api/v1/reply)
	file(GLOB index ${reply}/index-*.json)
	file(READ ${index} json)
	string(JSON file GET "${json}" reply codemodel-v2 jsonFile)
	file(READ ${reply}/${file} json)
	string(JSON json GET "${json}" configurations 0 targets)
	string(REGEX MATCH "{[^{}]*\"name\" *: *\"verdicts\"[^{}]*}" json "${json}")
	string(JSON file GET "${json}" jsonFile)
	file(READ ${reply}/${file} json)
	string(JSON compile GET "${json}" compileGroups)
	string(JSON link GET "${json}" link)
	string(REGEX MATCHALL "\"(fragment|path|define|standard)\" *: *\"([^\"\\\\]|\\\\.)*\""
		lines "${compile}${link}")
	set(${out} ${cache} ${lines} PARENT_SCOPE)
endfunction()
reach(${BINARY} added)
reach(${BINARY}-bare removed)
set(caller ${added})
list(REMOVE_ITEM added ${removed})
list(REMOVE_ITEM removed ${caller})
foreach(change added removed)
	if(${change})
		list(JOIN ${change} "\n  " entries)
		message(SEND_ERROR "brackets ${change} these, in the caller's cache or "
			"verdicts' compile or link line:\n  ${entries}")
	endif()
endforeach()

if(EXISTS ${BINARY}/compile_commands.json)
	message(SEND_ERROR "brackets turned on the caller's compile database")
endif()
run(${CMAKE_COMMAND} --build ${BINARY} -- -t commands OUTPUT_VARIABLE all)
run(${CMAKE_COMMAND} --build ${BINARY} --target verdicts -- -t commands
	OUTPUT_VARIABLE needed)
if(NOT all STREQUAL needed)
	message(SEND_ERROR "the build makes more than verdicts needs:\n${all}")
endif()
run(${CMAKE_COMMAND} --build ${BINARY})
run(${CMAKE_COMMAND} --install ${BINARY} --prefix ${BINARY}/installed)
file(READ ${BINARY}/install_manifest.txt installed)
if(installed)
	message(SEND_ERROR "brackets installs with the caller:\n${installed}")
endif()

# The README's run of the caller, as a shell runs it, must print what follows.
file(READ ${repo}/README.md readme)
string(REGEX MATCH "\n(\\./verdicts [^\n]*)\n```\n\n```\n([^`]*)" _ "${readme}")
set(shown "${CMAKE_MATCH_2}")
execute_process(COMMAND sh -c "${CMAKE_MATCH_1}" WORKING_DIRECTORY ${BINARY}
	OUTPUT_VARIABLE printed COMMAND_ERROR_IS_FATAL ANY)
if(NOT shown OR NOT printed STREQUAL shown)
	message(SEND_ERROR "the caller printed:\n${printed}\nnot:\n${shown}")
endif()
