# corvel_setup_script(<in> <out>): writes a Setup.inf from a readable source in which "^A" stands
# for the SOH byte (0x01) that delimits the script's text fields. Lines end in CR LF.
function(corvel_setup_script in out)
  file(READ ${in} text)
  string(ASCII 1 soh)
  string(REPLACE "^A" "${soh}" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE ${out} "${text}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${in})
endfunction()
