# The skin compiler's command line, run as a user runs it:
#
#   cmake -DTOOL=<tarvik-skinc> -DWORK=<scratch folder> -DSOURCE=<source tree>
#         -DCASE=<case> -P skinc_cli_test.cmake
#
# Refusals must end with exit status 1 exactly (not a crash, not any other
# failure) and say what is missing; --list must name every entry the
# program's windows look up.
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(run_tool expected_status expected_output)
  execute_process(COMMAND ${TOOL} ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status STREQUAL "${expected_status}")
    message(FATAL_ERROR "tarvik-skinc ${ARGN}: exit status ${status}, not ${expected_status}\n${out}${err}")
  endif()
  foreach(pattern IN LISTS expected_output)
    string(FIND "${out}${err}" "${pattern}" at)
    if(at LESS 0)
      message(FATAL_ERROR "tarvik-skinc ${ARGN}: \"${pattern}\" missing from\n${out}${err}")
    endif()
  endforeach()
  set(tool_output "${out}" PARENT_SCOPE)
endfunction()

# A skin with every required section and one picture; each case takes one
# thing away.
set(sections VERSION PICTURES FORMINFO SKINOBJECTS SKINCONTROLS)
function(write_skin path skip_section picture_name)
  set(text "")
  foreach(section IN LISTS sections)
    if(NOT section STREQUAL skip_section)
      string(APPEND text "[${section}]\r\n")
      if(section STREQUAL "PICTURES")
        string(APPEND text "picture=${picture_name}\r\n")
      elseif(section STREQUAL "SKINOBJECTS" OR section STREQUAL "SKINCONTROLS")
        string(APPEND text "count=0\r\n")
      endif()
    endif()
  endforeach()
  file(WRITE ${path} "${text}")
endfunction()

# Every entry name the windows look up, and the objects of the frame.
set(window_entries
  button buttonedit checkbox combobox edit groupbox memo panel stdlabel tab treeview listview
  vscrollbar hscrollbar bothhscrollbar vsplitter resizebutton statusgauge bevel listbox monthcalendar)
set(frame_objects caption closebutton minimizebutton maximizebutton sysmenubutton menuitem)

if(CASE STREQUAL "missing_ini")
  run_tool(1 "absent.ini" ${WORK}/absent.ini ${WORK}/out.dat)
elseif(CASE STREQUAL "missing_section")
  file(COPY ${SOURCE}/skins/default/frame.bmp DESTINATION ${WORK})
  foreach(section IN LISTS sections)
    write_skin(${WORK}/skin.ini ${section} frame.bmp)
    run_tool(1 "[${section}]" ${WORK}/skin.ini ${WORK}/out.dat)
  endforeach()
  if(EXISTS ${WORK}/out.dat)
    message(FATAL_ERROR "a refused skin was written")
  endif()
elseif(CASE STREQUAL "missing_picture")
  write_skin(${WORK}/skin.ini "" absent.bmp)
  run_tool(1 "absent.bmp" ${WORK}/skin.ini ${WORK}/out.dat)
  if(EXISTS ${WORK}/out.dat)
    message(FATAL_ERROR "a refused skin was written")
  endif()
elseif(CASE STREQUAL "names_where")
  # The loader's messages name no file of their own: the tool adds it, and
  # for a value of the INI text the section and the key.
  file(COPY ${SOURCE}/skins/default/frame.bmp DESTINATION ${WORK})
  write_skin(${WORK}/skin.ini "" frame.bmp)
  file(APPEND ${WORK}/skin.ini "[POPUPWINDOW]\r\nitemsrect=1,,2,3\r\n")
  run_tool(1 "The skin \"${WORK}/skin.ini\": '' is not a valid integer value: [POPUPWINDOW] itemsrect=1,,2,3"
           ${WORK}/skin.ini ${WORK}/out.dat)
  if(EXISTS ${WORK}/out.dat)
    message(FATAL_ERROR "a refused skin was written")
  endif()
  file(WRITE ${WORK}/short.dat "3")
  run_tool(1 "The skin \"${WORK}/short.dat\": Stream read error" --list ${WORK}/short.dat)
elseif(CASE STREQUAL "list_default" OR CASE STREQUAL "list_example")
  if(CASE STREQUAL "list_default")
    set(folder ${SOURCE}/skins/default)
    set(name Modern)
  else()
    set(folder ${SOURCE}/examples/skins/dbskin)
    set(name Ember)
  endif()
  run_tool(0 "" ${folder}/skin.ini ${WORK}/skin.dat)
  run_tool(0 "name: ${name}\n;picture: frame.bmp 200x120\n;mask: framemask.bmp 200x120\n;activepicture 0: controls.bmp"
           --list ${WORK}/skin.dat)
  foreach(entry IN LISTS window_entries frame_objects)
    string(REGEX MATCH "(^|\n)${entry}:[a-z]+\n" found "${tool_output}")
    if(NOT found)
      message(FATAL_ERROR "--list of ${name} lacks the entry ${entry}:\n${tool_output}")
    endif()
  endforeach()
  if(CASE STREQUAL "list_example")
    # The shipped file is the compiled source folder.
    run_tool(0 "name: Ember\n" --list ${SOURCE}/examples/skins/dbskin.dat)
  endif()
else()
  message(FATAL_ERROR "unknown case ${CASE}")
endif()
