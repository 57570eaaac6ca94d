% circuit_out
1 Se,
% end
