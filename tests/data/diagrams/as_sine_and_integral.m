% sin t and its integral muxed into one scope
sys = 'm'; new_system(sys)
add_block('built-in/Sin',[sys '/w'])
add_block('built-in/Integrator',[sys '/x'])
add_block('built-in/Mux',[sys '/m'])
add_block('built-in/Scope',[sys '/sc'])
add_line(sys,'w/1','x/1'); add_line(sys,'w/1','m/1'); add_line(sys,'x/1','m/2')
add_line(sys,'m/1','sc/1')
set_param(sys,'StopTime','2')
