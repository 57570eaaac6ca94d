% a sliding mass under Coulomb friction, v' = -0.5 sgn(v) from v = 1, stops at t = 2;
% a second Fcn reads v and a constant 2 through a mux
sys = 'm'; new_system(sys)
add_block('built-in/Integrator',[sys '/v'],'InitialCondition','1')
add_block('built-in/Fcn',[sys '/friction'],'Expr','-0.5*sgn(u)')
add_block('built-in/Constant',[sys '/two'],'Value','2')
add_block('built-in/Mux',[sys '/mx'],'Inputs','2')
add_block('built-in/Fcn',[sys '/f'],'Expr','tanh(u(1))*u(2) + (u(1) > 0.333)')
add_block('built-in/Scope',[sys '/sv']); add_block('built-in/Scope',[sys '/sf'])
add_line(sys,'v/1','friction/1'); add_line(sys,'friction/1','v/1')
add_line(sys,'v/1','mx/1'); add_line(sys,'two/1','mx/2'); add_line(sys,'mx/1','f/1')
add_line(sys,'v/1','sv/1'); add_line(sys,'f/1','sf/1')
